#pragma once

#include <QDialog>

class QPushButton;

namespace solvaro {

struct AppContext;
class Memo;

// The memo dialog: a text memo with a colour and a font dialog whose choices
// are not used, and a "salva" button without an action. The program creates
// it and shows it nowhere.
class TForm2 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(AppContext &context, QWidget *parent = nullptr);

    Memo *Memo1 = nullptr;
    QPushButton *Button1 = nullptr; // "Colore"
    QPushButton *Button2 = nullptr; // "Font"
    QPushButton *Button3 = nullptr; // "salva"

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    AppContext &m_context;
};

} // namespace solvaro
