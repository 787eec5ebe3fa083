#include "home/unit1.h"

#include "app/appcontext.h"

namespace solvaro {

TForm1::TForm1(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
}

} // namespace solvaro
