#pragma once

#include "shell/forms.h"

#include <QWidget>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace gk {

// The tattoo manager: a profile's sixteen tattoos in a 4 x 4 grid, a test area to preview a
// bitmap, and a "..." button per slot that replaces its tattoo.
class frmTattoo : public QWidget, public ChildMenus {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Tattoo;

    frmTattoo();
    QList<QMenu*> childMenus() const override { return m_menus; }

private:
    void ReplaceTattooSlot(int slot);
    void cmdLoadTat1_Click();
    void LoadProfileTattoos();
    void cmdTatoo_Click();
    void installPreview();

    // Shows a bitmap whole in a picture box; false when the bytes are not a picture.
    static bool showPicture(QLabel* box, const QByteArray& bytes);

    QLabel* tat[17] = {};
    QLabel* picTest = nullptr;
    QPlainTextEdit* rtbTat = nullptr;
    QLabel* lblDirectory = nullptr;
    QList<QMenu*> m_menus;
    QString m_dialogFileName;
    QByteArray m_preview; // the bitmap shown in the test area
    QString m_previewName;
};

} // namespace gk
