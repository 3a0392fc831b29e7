#pragma once

#include "ui/forms.h"

#include <QDialog>

namespace gk {

// About Grovekeep: version, credits, the license notice and three addresses that open in
// the desktop's web browser.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr Form formId = Form::About;

    frmAbout();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void connectControls();
    void openAddress(const QString& address);
};

// The distribution notice shown in the About window.
QString distributionNotice();

} // namespace gk
