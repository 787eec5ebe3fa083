#include "dialogs/unit2.h"

#include "app/appcontext.h"

namespace solvaro {

TForm2::TForm2(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace solvaro
