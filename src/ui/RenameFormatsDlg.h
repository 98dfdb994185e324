#pragma once

#include "rename/Renamer.h"

#include <QDialog>

#include <optional>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Rename Formats": the list of formats and the editor of one entry. New
// clears the fields, Edit takes the selected entry out of the list into
// them, Show shows it read-only, Delete removes it, Cancel puts an entry
// being edited back, Save checks the entry and puts it into the list.
// Save Changes writes the list to the settings; Close leaves without.
class CRenameFormatsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CRenameFormatsDlg(QWidget *parent = nullptr);

    const QList<CRenameFormat> &Formats() const { return m_formats; }
    // Tests: the buttons and the fields.
    void NewEntry();
    void EditEntry(int i);
    void ShowEntry(int i);
    void DeleteEntry(int i);
    void CancelEntry();
    bool SaveEntry();
    void SaveChanges();
    void SetFields(const QString &title, const QString &format, int type);
    bool FieldsEnabled() const;
    QString TypeNote() const;

private:
    void fillList();
    void setEditing(bool editing, bool readOnly = false);
    void updateTypeNote();

    QList<CRenameFormat> m_formats;
    // The entry taken out by Edit, put back by Cancel.
    std::optional<std::pair<int, CRenameFormat>> m_taken;
    QListWidget *m_list;
    QLineEdit *m_title;
    QLineEdit *m_format;
    QComboBox *m_type;
    QLabel *m_typeNote;
    QPushButton *m_save;
    QPushButton *m_cancel;
};
