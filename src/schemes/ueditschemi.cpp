#include "schemes/ueditschemi.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "schemes/schemesaving.h"
#include "storage/inifile.h"
#include "ui/fillpanel.h"
#include "ui/picturebutton.h"
#include "ui/treeview.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

static void initEditorIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace solvaro {

namespace {

const QString Caption = QStringLiteral("SHEET ORGANIZER");

// Drawn like the main window's toolbar.
constexpr int stripHeight = 65;
constexpr int buttonHeight = PictureButton::toolbarHeight;
constexpr int iconButtonWidth = 64;
constexpr int captionedButtonWidth = 141;
const QColor stripColor(0xe3, 0xf1, 0xfb);
const QColor hintColor(0xff, 0xf8, 0xe1);
constexpr int titleHeight = 32;
const QColor titleColor(0x00, 0x80, 0x80);

// The toolbar button's picture in the resources, read when the editor first
// shows.
constexpr char iconProperty[] = "toolbarIcon";

QFont toolbarFont()
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(9);
    return font;
}

} // namespace

TFeditschemi::TFeditschemi(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Feditschemi"));
    setWindowTitle(Caption);
    setModal(true);
    buildControls();
    buildMenu();
}

void TFeditschemi::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    LMDSimplePanel1 = new FillPanel(this);
    LMDSimplePanel1->setObjectName(QStringLiteral("LMDSimplePanel1"));
    LMDSimplePanel1->setFixedHeight(stripHeight);
    LMDSimplePanel1->setFillStyle(FillStyle::Brush);
    LMDSimplePanel1->setBrushColor(stripColor);
    auto *bar = new QHBoxLayout(LMDSimplePanel1);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(0);

    const auto button = [this, bar](const char *name, const char *icon, const QString &caption,
                            const QString &hint) {
        auto *result = new PictureButton(LMDSimplePanel1);
        result->setObjectName(QString::fromLatin1(name));
        result->setFont(toolbarFont());
        result->setProperty(iconProperty, QString::fromLatin1(icon));
        result->setCaption(caption);
        result->setToolTip(hint);
        result->setFixedSize(
            caption.isEmpty() ? iconButtonWidth : captionedButtonWidth, buttonHeight);
        if (!caption.isEmpty())
            result->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        bar->addWidget(result);
        return result;
    };
    LMDhome = button("LMDhome", "home", QString(), QStringLiteral("Back to the home page"));
    LMDsalva = button("LMDsalva", "salva", QStringLiteral("Save\r\nSheets"),
        QStringLiteral("Save the sheets and their steps"));
    LMDcarica = button("LMDcarica", "ripristina", QStringLiteral("Reload\r\nSheets"),
        QStringLiteral("Read the saved sheets again and drop the changes"));
    LMDcopy = button("LMDcopy", "espandi", QStringLiteral("Expand\r\nCollapse"),
        QStringLiteral("Open or close the selected node with all its parts"));
    bar->addStretch();
    layout->addWidget(LMDSimplePanel1);

    // The caption again inside the window, as the main window's title strip
    // shows the sheet.
    LMD_LABEL = new FillPanel(this);
    LMD_LABEL->setObjectName(QStringLiteral("LMD_LABEL"));
    LMD_LABEL->setFixedHeight(titleHeight);
    LMD_LABEL->setFillStyle(FillStyle::Brush);
    LMD_LABEL->setBrushColor(titleColor);
    LMD_LABEL->setCaptionColor(Qt::white);
    LMD_LABEL->setCaptionAlignment(NineAlignment::CenterLeft);
    QFont titleFont = toolbarFont();
    titleFont.setPointSize(11);
    titleFont.setBold(true);
    LMD_LABEL->setCaptionFont(titleFont);
    LMD_LABEL->setCaption(QStringLiteral("  ") + Caption);
    layout->addWidget(LMD_LABEL);

    TreeView = new solvaro::TreeView(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    QFont treeFont = font();
    treeFont.setPointSize(12);
    TreeView->setFont(treeFont);
    TreeView->setIconSize(QSize(20, 20));
    TreeView->setIndentation(28);
    TreeView->setUniformRowHeights(true);
    TreeView->installEventFilter(this);
    layout->addWidget(TreeView, 1);

    LMDFill1 = new FillPanel(this);
    LMDFill1->setObjectName(QStringLiteral("LMDFill1"));
    LMDFill1->setFillStyle(FillStyle::Brush);
    LMDFill1->setBrushColor(hintColor);
    LMDFill1->setCaptionFont(toolbarFont());
    LMDFill1->setCaptionAlignment(NineAlignment::CenterLeft);
    LMDFill1->setCaption(
        QStringLiteral("  Right-click a sheet, a section or a step (or press the menu key) to add, "
                       "change or delete its parts."));
    LMDFill1->setFixedHeight(30);
    layout->addWidget(LMDFill1);

    m_context.handlers().connect(
        LMDhome, &QAbstractButton::clicked, this, &TFeditschemi::LMDhomeClick);
    m_context.handlers().connect(
        LMDsalva, &QAbstractButton::clicked, this, &TFeditschemi::LMDsalvaClick);
    m_context.handlers().connect(
        LMDcarica, &QAbstractButton::clicked, this, &TFeditschemi::LMDcaricaClick);
    m_context.handlers().connect(
        LMDcopy, &QAbstractButton::clicked, this, &TFeditschemi::LMDcopyClick);
    m_context.handlers().connect(
        TreeView, &QWidget::customContextMenuRequested, this, &TFeditschemi::TreeViewContextPopup);
}

void TFeditschemi::loadPictures()
{
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    initEditorIcons();
    for (PictureButton *button : LMDSimplePanel1->findChildren<PictureButton *>()) {
        const QString icon = button->property(iconProperty).toString();
        button->setPicture(QPixmap(QStringLiteral(":/icons/%1.png").arg(icon)));
    }
}

// Sent before the window is on the screen, so size and place are set once.
void TFeditschemi::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFeditschemi::FormActivate()
{
    loadPictures();
    const QSize screen = m_context.env.screenSize;
    resize(qMin(760, screen.width() - 60), screen.height() * 85 / 100);
    const QWidget *main = m_context.forms.Form0;
    const QRect over = main && main->isVisible() ? main->geometry() : QRect(QPoint(), screen);
    move(over.center() - rect().center());
    LMDcaricaClick();
    TreeView->setFocus();
}

void TFeditschemi::LMDcaricaClick()
{
    m_modified = false;
    setWindowTitle(Caption);
    TreeView->clear();
    const IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    addNodes(nullptr, loadSchemeTree(global));
    // The whole scheme at a glance; the teacher closes what is not wanted.
    TreeView->setAllExpanded(true);
    // No node is chosen until the teacher chooses one, so that expanding and
    // collapsing work on the whole tree at first.
    TreeView->setCurrentItem(nullptr);
}

void TFeditschemi::addNodes(QTreeWidgetItem *parent, const QList<SchemeNode> &nodes)
{
    for (const SchemeNode &node : nodes) {
        QTreeWidgetItem *item = addNode(parent, node.kind, node.text);
        if (node.kind == SchemeNodeKind::Sheet)
            solvaro::TreeView::setNodeNumber(item, node.exerciseCount);
        addNodes(item, node.children);
    }
}

QTreeWidgetItem *TFeditschemi::addNode(
    QTreeWidgetItem *parent, SchemeNodeKind kind, const QString &text)
{
    QTreeWidgetItem *item = TreeView->addNode(parent, text);
    m_looks.apply(item, kind);
    return item;
}

SchemeNodeKind TFeditschemi::kindOf(const QTreeWidgetItem *node)
{
    if (!node)
        return SchemeNodeKind::Sheet;
    const QTreeWidgetItem *parent = node->parent();
    return schemeNodeKind(
        node->text(0), parent ? std::optional<SchemeNodeKind>(kindOf(parent)) : std::nullopt);
}

SchemeNode TFeditschemi::nodeOf(const QTreeWidgetItem *item) const
{
    SchemeNode node;
    node.kind = kindOf(item);
    node.text = item->text(0);
    node.exerciseCount = solvaro::TreeView::nodeNumber(item);
    for (int i = 0; i < item->childCount(); ++i)
        node.children.append(nodeOf(item->child(i)));
    return node;
}

QList<SheetScheme> TFeditschemi::sheetSchemes(int leavingOut) const
{
    QList<SheetScheme> sheets;
    for (int s = 0; s < TreeView->topLevelItemCount(); ++s) {
        if (s != leavingOut)
            sheets.append(sheetSchemeOf(nodeOf(TreeView->topLevelItem(s))));
    }
    return sheets;
}

void TFeditschemi::saveSheets(const QList<SheetScheme> &sheets)
{
    IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    saveSchemes(global, m_context.folders, sheets);
}

void TFeditschemi::LMDsalvaClick()
{
    if (!m_modified)
        return;
    saveSheets(sheetSchemes());
    m_modified = false;
    m_context.env.dialogs->showMessage(QStringLiteral("OK"));
}

void TFeditschemi::LMDcopyClick()
{
    if (QTreeWidgetItem *node = TreeView->currentItem()) {
        solvaro::TreeView::setSubtreeExpanded(node, !node->isExpanded());
        return;
    }
    if (const QTreeWidgetItem *first = TreeView->topLevelItem(0))
        TreeView->setAllExpanded(!first->isExpanded());
}

void TFeditschemi::LMDhomeClick()
{
    close();
}

bool TFeditschemi::FormClose()
{
    return !m_modified
        || m_context.env.dialogs->askYesNo(
            QStringLiteral("There are unsaved changes: Exit anyway? "));
}

void TFeditschemi::reject()
{
    if (FormClose())
        QDialog::reject();
}

bool TFeditschemi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != TreeView)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent *>(event)->reason() != QContextMenuEvent::Mouse) {
        popupForCurrentNode();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu
            || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            popupForCurrentNode();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            // As the menu's "Delete": not on a node whose menu has none.
            const QTreeWidgetItem *node = TreeView->currentItem();
            if (node && contextMenuOf(kindOf(node)).contains(SchemeMenuItem::Delete))
                DELETEclick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace solvaro
