#pragma once

#include "schemes/schemenodelook.h"
#include "schemes/schemetree.h"

#include <QDialog>
#include <QMap>

class QAction;
class QMenu;
class QTreeWidgetItem;

namespace solvaro {

struct AppContext;
class FillPanel;
class PictureButton;
class TreeView;

// The scheme editor ("SHEET ORGANIZER"): the steps of every sheet as one tree
// of sheets, sections, question groups, formulas and equivalences, edited
// through a context menu and saved into the global settings file. Deleting a
// sheet also deletes its exercise file and moves the files of the sheets after
// it down by one.
class TFeditschemi final : public QDialog
{
    Q_OBJECT

public:
    explicit TFeditschemi(AppContext &context, QWidget *parent = nullptr);

    bool hasUnsavedChanges() const { return m_modified; }
    // What a node of the tree stands for.
    static SchemeNodeKind kindOf(const QTreeWidgetItem *node);

    // Controls, by their names.
    FillPanel *LMDSimplePanel1; // the toolbar strip
    PictureButton *LMDhome;
    PictureButton *LMDsalva;
    PictureButton *LMDcarica;
    PictureButton *LMDcopy;
    FillPanel *LMD_LABEL; // the caption strip
    solvaro::TreeView *TreeView;
    QMenu *PopupMenu1;
    FillPanel *LMDFill1; // how to reach the menu

public slots:
    // Handlers.
    void FormActivate();
    // True when the editor may close: no unsaved changes, or the teacher
    // leaves them.
    bool FormClose();
    // The menu of the node at a point of the tree's viewport.
    void TreeViewContextPopup(const QPoint &pos);
    void SHEETclick();
    void SECTIONClick();
    void COMBOclick();
    void FORMULAclick();
    void EQUIVALENZAclick();
    void EDIT_FORMULAclick();
    void DELETEclick();
    void LMDsalvaClick();
    void LMDcaricaClick();
    void LMDcopyClick();
    void LMDhomeClick();

    // Escape, the window's closing button and LMDhome all end here.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void loadPictures();
    // The menu of the current node, as the menu key opens it.
    void popupForCurrentNode();

    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, SchemeNodeKind kind, const QString &text);
    QTreeWidgetItem *addStep(SchemeNodeKind kind);
    void showNewNode(QTreeWidgetItem *node);
    void addNodes(QTreeWidgetItem *parent, const QList<SchemeNode> &nodes);
    SchemeNode nodeOf(const QTreeWidgetItem *item) const;
    QList<SheetScheme> sheetSchemes(int leavingOut = -1) const;
    void saveSheets(const QList<SheetScheme> &sheets);
    void deleteSheet(QTreeWidgetItem *sheet);
    void markModified() { m_modified = true; }

    AppContext &m_context;
    QMap<SchemeMenuItem, QAction *> m_items;
    SchemeNodeLooks m_looks;
    bool m_modified = false;
    bool m_picturesLoaded = false;
};

} // namespace solvaro
