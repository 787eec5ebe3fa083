#include "dialogs/unit2.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "ui/memo.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvaro {

TForm2::TForm2(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form2"));
    Memo1 = new Memo(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    const auto button = [this](const char *name, const char *caption) {
        auto *result = new QPushButton(QString::fromLatin1(caption), this);
        result->setObjectName(QString::fromLatin1(name));
        return result;
    };
    Button1 = button("Button1", "Colore");
    Button2 = button("Button2", "Font");
    Button3 = button("Button3", "salva");

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch(1);
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    m_context.handlers().connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    m_context.handlers().connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    m_context.handlers().connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
}

void TForm2::Button1Click()
{
    m_context.env.dialogs->chooseColor(Memo1->palette().color(QPalette::Text));
}

void TForm2::Button2Click()
{
    m_context.env.dialogs->chooseFont(Memo1->font());
}

void TForm2::Button3Click()
{
    // "salva" has no action.
}

} // namespace solvaro
