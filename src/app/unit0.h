#pragma once

#include <QWidget>

namespace solvaro {

struct AppContext;

// The main window: start panel, toolbar, exercise tabs and page host.
class TForm0 final : public QWidget
{
    Q_OBJECT

public:
    explicit TForm0(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
