#include "player/formulasteps.h"

namespace solvaro {

bool nextFormula(const QString &stepKinds, QChar &kind, int &pos)
{
    for (int i = qMax(pos, 0); i < stepKinds.size(); ++i) {
        if (isFormulaKind(stepKinds.at(i))) {
            kind = stepKinds.at(i);
            pos = i + 1;
            return true;
        }
    }
    pos = 0;
    return false;
}

int QualeFormula(int stepIndex, const QString &stepKinds)
{
    int count = 0;
    for (const QChar kind : stepKinds.left(qMax(stepIndex + 1, 0))) {
        if (kind != stepKind::questionGroup)
            ++count;
    }
    return count - 1;
}

} // namespace solvaro
