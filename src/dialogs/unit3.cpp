#include "dialogs/unit3.h"

#include "app/appcontext.h"

namespace solvaro {

TForm3::TForm3(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form3"));
}

} // namespace solvaro
