#include "player/unitp3.h"

#include "app/appcontext.h"

namespace solvaro {

TFormP3::TFormP3(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("FormP3"));
}

} // namespace solvaro
