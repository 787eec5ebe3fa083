#pragma once

#include <QWidget>

namespace solvaro {

struct AppContext;

// The home page: pupil's name, sheet tabs, text boxes and animated pictures.
class TForm1 final : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
