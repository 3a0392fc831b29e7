#pragma once

#include "readme.h"
#include "shell/forms.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace gk {

// The readme creator: an author fills in a few fields; the readme is composed from them in
// a large text area, where it can still be edited, and saved as a text file.
class frmReadme : public QWidget, public ChildMenus {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Readme;

    frmReadme();
    void Form_Load();
    QList<QMenu*> childMenus() const override { return m_menus; }

    ReadmeFields fields() const;
    // The readme as it is written: the text area's text with CR LF line ends.
    QString readmeText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdShow_Click();
    void frmFields_Click();
    bool cmdSave_Click();
    void cmdExit_Click();
    void Form_Resize();
    void markChanged() { m_unsaved = true; }

    QComboBox* cmbType = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtAddress = nullptr;
    QPlainTextEdit* txtDesc = nullptr;
    QPlainTextEdit* txtComment = nullptr;
    QPlainTextEdit* txtThanks = nullptr;
    QLineEdit* txtContact = nullptr;
    QPushButton* cmdShow = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;
    QPlainTextEdit* txt1 = nullptr;
    QList<QMenu*> m_menus;
    QString m_dialogFileName; // the save dialog's last file name
    bool m_unsaved = false;
};

} // namespace gk
