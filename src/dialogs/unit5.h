#pragma once

#include <QDialog>

namespace solvaro {

struct AppContext;

// The media settings dialog: feedback sounds, animations and hint texts.
class TForm5 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm5(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
