#pragma once

#include "base/paths.h"
#include "common/shared.h"
#include "readme/readme.h"
#include "ui/forms.h"

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
    // 1 once Show File has been used in this run, also in an earlier instance.
    static qint16 readmeShown() { return ReadmeShown; }
    // The readme as it is written: the text area's text with CR LF line ends.
    QString readmeText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
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
    NativePath m_dialogFileName; // the save dialog's last file name
    bool m_unsaved = false;
    // Set by Show File; from then on the text area covers the window at every resize, for the
    // rest of the run.
    static inline Remembered<qint16> ReadmeShown;
};

} // namespace gk
