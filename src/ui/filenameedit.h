#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace solvaro {

class Dialogs;

// A file name field with a browse button that asks the open-file dialog. The
// chosen name gets the default extension when it has none.
class FileNameEdit : public QWidget
{
    Q_OBJECT

public:
    explicit FileNameEdit(QWidget *parent = nullptr);

    // Not owned; without dialogs the browse button does nothing.
    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }
    // In either form toQtFileFilter accepts ("*.wav|*.WAV").
    void setFilter(const QString &filter) { m_filter = filter; }
    QString filter() const { return m_filter; }
    void setDefaultExtension(const QString &extension) { m_defaultExtension = extension; }
    QString defaultExtension() const { return m_defaultExtension; }
    // Where browsing starts when the field names no existing folder.
    void setInitialFolder(const QString &folder) { m_initialFolder = folder; }
    void setDialogCaption(const QString &caption) { m_dialogCaption = caption; }

    QString fileName() const;
    // Sets the field without telling it as the user's change.
    void setFileName(const QString &fileName);

    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *browseButton() const { return m_browse; }

public slots:
    // Opens the dialog; a cancelled dialog leaves the field as it was.
    void browse();

signals:
    // The user picked or typed another file name.
    void fileNameChanged(const QString &fileName);

private:
    QString startFolder() const;
    void onEditingFinished();

    QLineEdit *m_edit;
    QToolButton *m_browse;
    Dialogs *m_dialogs = nullptr;
    QString m_filter;
    QString m_defaultExtension;
    QString m_initialFolder;
    QString m_dialogCaption;
    QString m_lastTold;
};

} // namespace solvaro
