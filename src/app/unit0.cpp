#include "app/unit0.h"

#include "app/appcontext.h"

namespace solvaro {

TForm0::TForm0(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form0"));
}

} // namespace solvaro
