#pragma once

#include <QDialog>

namespace solvaro {

struct AppContext;

// The memo dialog.
class TForm2 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
