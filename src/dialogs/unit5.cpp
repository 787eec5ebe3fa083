#include "dialogs/unit5.h"

#include "app/appcontext.h"

namespace solvaro {

TForm5::TForm5(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form5"));
}

} // namespace solvaro
