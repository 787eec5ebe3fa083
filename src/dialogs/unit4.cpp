#include "dialogs/unit4.h"

#include "app/appcontext.h"

namespace solvaro {

TForm4::TForm4(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form4"));
}

} // namespace solvaro
