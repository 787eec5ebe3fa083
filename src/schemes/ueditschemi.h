#pragma once

#include <QDialog>

namespace solvaro {

struct AppContext;

// The scheme editor: sheets, sections and steps of the installation.
class TFeditschemi final : public QDialog
{
    Q_OBJECT

public:
    explicit TFeditschemi(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
