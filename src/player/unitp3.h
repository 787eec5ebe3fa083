#pragma once

#include <QWidget>

namespace solvaro {

struct AppContext;

// The exercise player: one exercise of the current sheet, solved step by step.
class TFormP3 final : public QWidget
{
    Q_OBJECT

public:
    explicit TFormP3(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
