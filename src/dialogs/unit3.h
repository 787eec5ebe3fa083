#pragma once

#include <QWidget>

namespace solvaro {

struct AppContext;

// The closing screen: counts the run's solved exercises, then ends the program.
class TForm3 final : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
