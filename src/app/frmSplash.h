#pragma once

#include "splashlines.h"
#include "ui/clickablelabel.h"
#include "ui/forms.h"

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QStringList>

class QTimer;

namespace gk {

// The splash screen shown while Grovekeep starts; it reads the settings as it loads.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Splash;
    // The platform timer's tick: how often the lines grow.
    static constexpr int tickMs = 16;
    static constexpr int displayMs = 3000;

    frmSplash();
    void Form_Load();

    const SplashLines& lines() const { return m_lines; }
    void tmrMove_Timer();
    void tmrEnd_Timer();
    void Image1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectControls();
    void LoadSettings();

    ClickableLabel* Image1 = nullptr;
    QTimer* tmrMove = nullptr;
    QTimer* tmrEnd = nullptr;
    SplashLines m_lines;
};

// The splash picture, 400 x 125 pixels.
QPixmap splashPicture();

// The two lines under the program's name in the splash picture, and the font they are drawn
// in: DejaVu Sans of 13 pixels, smaller where a language's line needs it to fit in the
// picture's width beside the grove.
constexpr int kSplashLineWidth = 240;
QStringList splashLines();
QFont splashLineFont();

} // namespace gk
