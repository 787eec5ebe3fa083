#include "tst_playerfixture.h"

#include "schemes/ueditschemi.h"
#include "ui/picturebutton.h"
#include "ui/treeview.h"

#include <QContextMenuEvent>
#include <QTest>

#include <functional>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

// The texts below a node, depth-first.
QStringList textsBelow(const QTreeWidgetItem *node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts << node->child(i)->text(0) << textsBelow(node->child(i));
    return texts;
}

QStringList sheetTexts(const TFeditschemi *editor)
{
    QStringList texts;
    for (int s = 0; s < editor->TreeView->topLevelItemCount(); ++s)
        texts << editor->TreeView->topLevelItem(s)->text(0);
    return texts;
}

QStringList menuCaptions(const TFeditschemi *editor)
{
    QStringList captions;
    for (const QAction *item : editor->PopupMenu1->actions())
        captions << item->text();
    return captions;
}

// The menu a right-click on the node opens.
QStringList rightClick(TFeditschemi *editor, QTreeWidgetItem *node)
{
    editor->PopupMenu1->hide();
    editor->PopupMenu1->clear();
    QMetaObject::invokeMethod(editor, "TreeViewContextPopup",
        Q_ARG(QPoint, editor->TreeView->visualItemRect(node).center()));
    return menuCaptions(editor);
}

void choose(TFeditschemi *editor, const QString &caption)
{
    const QList<QAction *> items = editor->PopupMenu1->actions();
    editor->PopupMenu1->hide();
    for (QAction *item : items) {
        if (item->text() == caption)
            return item->trigger();
    }
    QFAIL(qPrintable(u"no menu item "_s + caption));
}

} // namespace

// The teacher's road through the scheme editor, opened from the home page's
// scheme button on a copy of the sample installation: a new sheet a pupil can
// solve, and the deletion of a sheet with its exercise file.
class TestSchemeEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newSheetReachesThePlayer();
    void deletingASheetRenumbersItsFiles();

private:
    // Opens the editor with the scheme button and runs the teacher's part
    // while it is open; the editor is closed should the part leave it open.
    void inEditor(const std::function<void(TFeditschemi *)> &part);
    QByteArray file(const QString &relative) const { return m_installation->readFile(relative); }
    IniFile global() const { return IniFile(m_installation->path(u"SOL_INI/GLOBAL.INI"_s)); }

    PlayerProgram &program() { return *m_program; }
    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<PlayerProgram> m_program;
};

void TestSchemeEditor::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    m_program = std::make_unique<PlayerProgram>(*m_installation);
    program().home()->EditMode = true;
    program().main()->show();
    program().main()->FD->showPage(TForm0::HomePage);
}

void TestSchemeEditor::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestSchemeEditor::inEditor(const std::function<void(TFeditschemi *)> &part)
{
    TFeditschemi *editor = program().context->forms.Feditschemi;
    bool ran = false;
    bool leftOpen = false;
    QMetaObject::invokeMethod(
        editor,
        [&] {
            ran = true;
            part(editor);
            leftOpen = editor->isVisible();
            if (leftOpen)
                editor->done(QDialog::Rejected);
        },
        Qt::QueuedConnection);
    QTest::mouseClick(program().home()->LMDschemi, Qt::LeftButton);
    QVERIFY(ran);
    QVERIFY2(!leftOpen, "the editor did not close");
}

void TestSchemeEditor::newSheetReachesThePlayer()
{
    ScriptedDialogs &dialogs = program().dialogs;
    inEditor([&](TFeditschemi *editor) {
        QCOMPARE(editor->windowTitle(), u"SHEET ORGANIZER"_s);
        QCOMPARE(sheetTexts(editor), (QStringList { u"SHEET 1"_s, u"SHEET 2"_s, u"SHEET 3"_s }));
        QTreeWidgetItem *first = editor->TreeView->topLevelItem(0);
        QCOMPARE(textsBelow(first),
            (QStringList { u"SECTION "_s, u"QUESTIONS "_s, u"QUESTIONS "_s, u"SECTION "_s,
                u"FORMULA"_s, u"AoB=X"_s }));
        QCOMPARE(TreeView::nodeNumber(first), 6);
        // An equivalence pattern is fixed: no menu.
        QCOMPARE(
            rightClick(editor, editor->TreeView->topLevelItem(2)->child(1)->child(0)->child(0)),
            QStringList());

        // The mouse's context menu event on the third sheet.
        QTreeWidgetItem *third = editor->TreeView->topLevelItem(2);
        const QPoint at = editor->TreeView->visualItemRect(third).center();
        QContextMenuEvent click(
            QContextMenuEvent::Mouse, at, editor->TreeView->viewport()->mapToGlobal(at));
        QApplication::sendEvent(editor->TreeView->viewport(), &click);
        QCOMPARE(
            menuCaptions(editor), (QStringList { u"Add SHEET"_s, u"Add SECTION"_s, u"Delete"_s }));
        QCOMPARE(editor->TreeView->currentItem(), third);
        choose(editor, u"Add SHEET"_s);
        QTreeWidgetItem *sheet = editor->TreeView->topLevelItem(3);
        QCOMPARE(sheet->text(0), u"SHEET 4"_s);
        QCOMPARE(TreeView::nodeNumber(sheet), 1);
        QCOMPARE(textsBelow(sheet), QStringList { u"SECTION 0"_s });

        // The second section from the keyboard.
        editor->TreeView->setCurrentItem(sheet);
        QTest::keyClick(editor->TreeView, Qt::Key_F10, Qt::ShiftModifier);
        choose(editor, u"Add SECTION"_s);
        QTreeWidgetItem *section = sheet->child(0);
        QCOMPARE(rightClick(editor, section),
            (QStringList { u"Add QUESTIONS"_s, u"Add FORMULA"_s, u"Add EQUIVALENZA"_s,
                u"Add SECTION"_s, u"Delete"_s }));
        choose(editor, u"Add QUESTIONS"_s);
        rightClick(editor, section);
        choose(editor, u"Add FORMULA"_s);
        rightClick(editor, section);
        choose(editor, u"Add EQUIVALENZA"_s);
        QCOMPARE(textsBelow(sheet),
            (QStringList { u"SECTION 0"_s, u"QUESTIONS"_s, u"FORMULA"_s, u"AoB=X"_s,
                u"EQUIVALENZA"_s, u"Yo?Xo"_s, u"SECTION "_s }));

        // Three operations, after a word and a negative number are refused.
        QTreeWidgetItem *pattern = section->child(1)->child(0);
        QCOMPARE(rightClick(editor, pattern), (QStringList { u"Edit"_s, u"Delete"_s }));
        dialogs.inputAnswers = { u"tre"_s, u"-1"_s, u"3"_s };
        choose(editor, u"Edit"_s);
        QCOMPARE(dialogs.lastCaption, u"Set Formulas"_s);
        QCOMPARE(dialogs.prompts, QStringList(3, u"number of operation"_s));
        QCOMPARE(dialogs.defaultTexts, (QStringList { u"1"_s, u"tre"_s, u"-1"_s }));
        QCOMPARE(pattern->text(0), u"AoBoCoD=X"_s);

        QTest::mouseClick(editor->LMDsalva, Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList { u"OK"_s });
        QVERIFY(!editor->hasUnsavedChanges());
        QTest::mouseClick(editor->LMDhome, Qt::LeftButton);
        QVERIFY(dialogs.questions.isEmpty());
    });

    const IniFile written = global();
    const QString area = u"COMMONAREA"_s;
    QCOMPARE(written.readString(area, u"SHEET_3"_s, QString()), u"|CFE|"_s);
    QCOMPARE(written.readString(area, u"SHEET_3_EXP_0"_s, QString()), u"AoBoCoD=X"_s);
    QCOMPARE(written.readString(area, u"SHEET_3_EXP_1"_s, QString()), u"Yo?Xo"_s);
    QCOMPARE(written.readString(area, u"INI_FILE3"_s, QString()), u"SOL_INI\\Tipo3.INI"_s);
    QCOMPARE(written.readInteger(area, u"MAX3"_s, 0), 1);
    QCOMPARE(written.readString(area, u"SHEET_0"_s, QString()), u"|CC|F"_s);
    QCOMPARE(written.readInteger(area, u"MAX0"_s, 0), 6);
    QCOMPARE(file(u"SOL_INI/Tipo3.INI"_s), file(u"SOL_INI/TipoX.INI"_s));

    TabStrip *tabs = program().home()->TabSheet;
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(3), u"04"_s);

    // The teacher sees every step of the new sheet at once.
    program().openSheet(3, true);
    TFormP3 *player = program().player();
    QCOMPARE(player->logic().steps().stepCount(), 3);
    QVERIFY(player->answerLabels.value(0));
    QCOMPARE(player->formulaPanels.size(), 2);
    QCOMPARE(player->formulaInputs.value(0).size(), 9);
    QCOMPARE(player->formulaInputs.value(1).size(), 5);
    QVERIFY(program().field(0, 1)->isVisible());
}

void TestSchemeEditor::deletingASheetRenumbersItsFiles()
{
    ScriptedDialogs &dialogs = program().dialogs;
    const QByteArray globalBefore = file(u"SOL_INI/GLOBAL.INI"_s);
    const QByteArray third = file(u"SOL_INI/Tipo2.INI"_s);
    inEditor([&](TFeditschemi *editor) {
        // With no node chosen the whole tree closes and opens; with one, that
        // node with everything below it.
        QTreeWidgetItem *first = editor->TreeView->topLevelItem(0);
        QTest::mouseClick(editor->LMDcopy, Qt::LeftButton);
        QVERIFY(!first->isExpanded());
        QVERIFY(!editor->TreeView->topLevelItem(2)->isExpanded());
        editor->TreeView->setCurrentItem(first);
        QTest::mouseClick(editor->LMDcopy, Qt::LeftButton);
        QVERIFY(first->child(1)->child(0)->isExpanded());
        QVERIFY(!editor->TreeView->topLevelItem(2)->isExpanded());

        // Reloading drops the changes without asking.
        QMetaObject::invokeMethod(editor, "SHEETclick");
        QCOMPARE(editor->TreeView->topLevelItemCount(), 4);
        QTest::mouseClick(editor->LMDcarica, Qt::LeftButton);
        QCOMPARE(editor->TreeView->topLevelItemCount(), 3);
        QVERIFY(!editor->hasUnsavedChanges());
        // Nothing to save: no message, no write.
        QTest::mouseClick(editor->LMDsalva, Qt::LeftButton);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(file(u"SOL_INI/GLOBAL.INI"_s), globalBefore);

        // The second sheet, first refused, then deleted with the Delete key.
        QTreeWidgetItem *second = editor->TreeView->topLevelItem(1);
        dialogs.yesNoAnswers = { false, true };
        rightClick(editor, second);
        choose(editor, u"Delete"_s);
        QCOMPARE(editor->TreeView->topLevelItemCount(), 3);
        QTest::keyClick(editor->TreeView, Qt::Key_Delete);
        QCOMPARE(dialogs.questions, QStringList(2, u"Confirm delete: SHEET 2"_s));
        QCOMPARE(sheetTexts(editor), (QStringList { u"SHEET 1"_s, u"SHEET 2"_s }));
        QCOMPARE(dialogs.messages, QStringList { u"OK"_s });
        QVERIFY(!editor->hasUnsavedChanges());
        QCOMPARE(file(u"SOL_INI/Tipo1.INI"_s), third);
        QVERIFY(!QFile::exists(m_installation->path(u"SOL_INI/Tipo2.INI"_s)));

        // An unsaved change keeps the editor open until the teacher leaves it.
        QTreeWidgetItem *section = editor->TreeView->topLevelItem(1)->child(0);
        dialogs.yesNoAnswers = { true, false, true };
        rightClick(editor, section);
        choose(editor, u"Delete"_s);
        QVERIFY(editor->hasUnsavedChanges());
        QTest::mouseClick(editor->LMDhome, Qt::LeftButton);
        QVERIFY(editor->isVisible());
        QTest::mouseClick(editor->LMDhome, Qt::LeftButton);
        QCOMPARE(dialogs.questions.mid(3),
            QStringList(2, u"There are unsaved changes: Exit anyway? "_s));
    });

    const IniFile written = global();
    const QString area = u"COMMONAREA"_s;
    // The third sheet's scheme now belongs to sheet 2, with the file it had;
    // the section deleted last was not saved.
    QCOMPARE(written.readString(area, u"SHEET_1"_s, QString()), u"|C|EE"_s);
    QCOMPARE(written.readString(area, u"INI_FILE1"_s, QString()), u"SOL_INI\\Tipo1.INI"_s);
    QVERIFY(!written.keyExists(area, u"SHEET_2"_s));
    QVERIFY(!written.keyExists(area, u"INI_FILE2"_s));
    QCOMPARE(program().home()->TabSheet->count(), 2);
}

QTEST_MAIN(TestSchemeEditor)
#include "tst_schemeeditor.moc"
