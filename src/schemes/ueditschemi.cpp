#include "schemes/ueditschemi.h"

#include "app/appcontext.h"

namespace solvaro {

TFeditschemi::TFeditschemi(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Feditschemi"));
}

} // namespace solvaro
