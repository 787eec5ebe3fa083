#pragma once

#include <QDialog>

namespace solvaro {

struct AppContext;

// The "Edit Box" dialog, in which the teacher restyles one element.
class TForm4 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};

} // namespace solvaro
