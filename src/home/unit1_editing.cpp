// The element editing operation every page uses, and the numeric key filter
// of the player's number fields.

#include "home/unit1.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "dialogs/unit4.h"
#include "home/lookplace.h"
#include "home/numerickeys.h"
#include "player/unitp3.h"
#include "storage/inifile.h"
#include "storage/look.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/textlabel.h"

#include <QFileInfo>

namespace solvaro {

namespace {

const QString FillImageSuffix = QStringLiteral(".FillObject.Image");
// The player's problem text panel, which the panel LMDFill0 sits right under.
const QString ProblemTextPanel = QStringLiteral("LMDtestp");
constexpr int GapUnderProblemText = 2;

} // namespace

std::optional<ElementEdit> TForm1::elementEditOf(const QWidget *page, const QWidget *element) const
{
    if (!element)
        return std::nullopt;
    const QString name = element->objectName();
    if (qobject_cast<const TextLabel *>(element)) {
        const LookPlace place
            = labelLookPlace(page ? page->objectName() : QString(), name, SkinFile);
        return ElementEdit { QString(), elementRecord(place.file, place.section, name) };
    }
    if (!qobject_cast<const FillPanel *>(element))
        return std::nullopt;

    const bool panel = lookKind(element) == LookKind::Panel;
    const int tag = panel && isSheetWidePanelName(name) ? SheetWideTag : elementTag(element);
    const QString ownFile = ownLookFile(element);
    const LookPlace place = !ownFile.isEmpty()
        ? LookPlace { ownFile, ownLookSection(element) }
        : lookPlaceForTag(tag, name, SkinFile, currentSheetFile(), currentExercise());
    const IniFile file(m_context.folders.resolve(place.file), m_context.env.decimalSeparator);
    const QString stored = file.readString(place.section, name + FillImageSuffix, QString());
    const QString picture = stored.isEmpty() ? QString() : m_context.folders.resolve(stored);
    return ElementEdit { picture, elementRecord(place.file, place.section, name) };
}

bool TForm1::xMouseUp(QWidget *page, QWidget *element)
{
    TForm4 *editBox = m_context.forms.Form4;
    if (!EditMode || !editBox)
        return false;
    const std::optional<ElementEdit> edit = elementEditOf(page, element);
    if (!edit)
        return false;
    const bool confirmed = editBox->editElement(element, edit->picturePath, edit->record);
    if (!qobject_cast<FillPanel *>(element))
        return confirmed;

    if (lookKind(element) != LookKind::Panel) {
        // The picture the dialog was left with, which it has stored.
        const QString picture = confirmed ? editBox->picturePath() : QString();
        if (!picture.isEmpty() && QFileInfo(picture).isFile())
            loadFillPicture(element, picture);
        element->update();
        return confirmed;
    }
    if (element->objectName() == ProblemTextPanel) {
        const TFormP3 *player = m_context.forms.FormP3;
        if (QWidget *below = player ? player->LMDFill0 : nullptr)
            below->move(below->x(), element->y() + element->height() + GapUnderProblemText);
    }
    return confirmed;
}

bool TForm1::MKeyPress(QWidget *field, QChar &key, const QString &lastFieldName, QWidget *page)
{
    if (filterNumericKey(key, m_context.env.decimalSeparator) != NumericKey::Enter)
        return false;
    if (field && field->objectName() == lastFieldName)
        return true;
    if (!page)
        return false;
    // The next control of the page in tab order that can take the focus.
    QWidget *from = field ? field : page->focusWidget();
    if (!from)
        from = page;
    for (QWidget *next = from->nextInFocusChain(); next && next != from;
         next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && next->isEnabled() && next->isVisibleTo(page)
            && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return false;
}

} // namespace solvaro
