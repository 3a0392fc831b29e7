#include "frmOptions.h"

#include "core/paths.h"
#include "options.h"
#include "platform/platform.h"
#include "shell/layout.h"
#include "shell/shared.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace gk {

namespace {
#ifdef Q_OS_WIN
const QString kAllFiles;
#else
// Editors on this system are native programs without ".exe".
const QString kAllFiles = QStringLiteral("|All files (*)|*");
#endif
} // namespace

QString gameBrowseFilter() { return QStringLiteral("Black and White (runblack.exe)|runblack.exe"); }

QString managerBrowseFilter() {
    const QString exe = executableName(QStringLiteral("Grovekeep"));
    return QStringLiteral("Grovekeep (%1)|%1").arg(exe);
}

QString mapEditorBrowseFilter() { return QStringLiteral("exeFiles (*.exe)|*.exe") + kAllFiles; }

QString editorBrowseFilter() { return QStringLiteral("exe Files (*.exe)|*.exe") + kAllFiles; }

frmOptions::frmOptions() {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Grovekeep - Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    resize(twipsToPx(7620), twipsToPx(5235));

    SSTab1 = place<QTabWidget>(this, "SSTab1", QString(), Twips{0, 0, 7575, 4695});
    QWidget* general = addTab("tabGeneral", QStringLiteral("General Options"));
    QWidget* map = addTab("tabMap", QStringLiteral("Map Options"));
    QWidget* landscape = addTab("tabLandscape", QStringLiteral("Landscape Options"));
    QWidget* tattoo = addTab("tabTattoo", QStringLiteral("Tatoo Options"));
    QWidget* skin = addTab("tabSkin", QStringLiteral("Skin Options"));
    // Controls are designed relative to the tab control; pages start below the tab row.
    m_tabOffsetTwips = pxToTwips(SSTab1->tabBar()->sizeHint().height() + 2);

    txtRunBlack = addRow(general, "Label1", QStringLiteral("Where is Black and White located?"),
                         660, "txtRunBlack", 5295, "Command1", QStringLiteral("..."), 5520);
    txtManagerLocation =
        addRow(general, "Label3", QStringLiteral("Where is Grovekeep located?"), 1500,
               "txtManagerLocation", 5295, "Command3", QStringLiteral("..."), 5520);
    txtMapCreator = addRow(map, "Label4",
                           QStringLiteral("Where is your default Map editor Located? (Optional)"),
                           540, "txtMapCreator", 5655, "Command2", QStringLiteral("..."), 5880);
    txtLandscapeCreator =
        addRow(landscape, "Label2",
               QStringLiteral("Where is your Default Landscape Editor Located? (Optional)"), 540,
               "txtLandscapeCreator", 5655, "Command4", QStringLiteral(".."), 5880);
    txtTattooCreator = addRow(
        tattoo, "Label5", QStringLiteral("Where is your Default Tattoo Editor Located? (Optional)"),
        540, "txtTattooCreator", 5655, "Command5", QStringLiteral(".."), 5880);
    txtSkinCreator = addRow(skin, "Label6",
                            QStringLiteral("Where is your Default Skin Editor Located? (Optional)"),
                            540, "txtSkinCreator", 5655, "Command6", QStringLiteral(".."), 5880);

    cmdCancel = place<QPushButton>(this, "cmdCancel", QStringLiteral("Cancel"),
                                   Twips{3120, 4800, 1335, 375});
    cmdApply =
        place<QPushButton>(this, "cmdApply", QStringLiteral("Apply"), Twips{4560, 4800, 1335, 375});
    cmdOK = place<QPushButton>(this, "cmdOK", QStringLiteral("OK"), Twips{6000, 4800, 1335, 375});
    cmdOK->setDefault(true);

    auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("Command1"), &QPushButton::clicked, this,
            [this] { browse(txtRunBlack, gameBrowseFilter(), true); });
    connect(button("Command3"), &QPushButton::clicked, this,
            [this] { browse(txtManagerLocation, managerBrowseFilter(), true); });
    connect(button("Command2"), &QPushButton::clicked, this,
            [this] { browse(txtMapCreator, mapEditorBrowseFilter(), false); });
    connect(button("Command4"), &QPushButton::clicked, this,
            [this] { browse(txtLandscapeCreator, editorBrowseFilter(), false); });
    connect(button("Command5"), &QPushButton::clicked, this,
            [this] { browse(txtTattooCreator, editorBrowseFilter(), false); });
    connect(button("Command6"), &QPushButton::clicked, this,
            [this] { browse(txtSkinCreator, editorBrowseFilter(), false); });
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
}

QWidget* frmOptions::addTab(const char* name, const QString& caption) {
    auto* page = new QWidget(SSTab1);
    page->setObjectName(QString::fromLatin1(name));
    SSTab1->addTab(page, caption);
    return page;
}

QLineEdit* frmOptions::addRow(QWidget* tab, const char* labelName, const QString& label,
                              int labelTop, const char* fieldName, int fieldWidth,
                              const char* buttonName, const QString& buttonCaption,
                              int buttonLeft) {
    const int fieldTop = labelTop + 360;
    const int shift = m_tabOffsetTwips;
    place<QLabel>(tab, labelName, label, Twips{120, labelTop - shift});
    auto* field =
        place<QLineEdit>(tab, fieldName, QString(), Twips{120, fieldTop - shift, fieldWidth, 285});
    place<QPushButton>(tab, buttonName, buttonCaption,
                       Twips{buttonLeft, fieldTop - shift, 255, 255});
    return field;
}

void frmOptions::Form_Load() { LoadOptions(); }

void frmOptions::LoadOptions() {
    const auto file =
        readSettingsFile(settingsReadCandidates(QDir::currentPath(), programFolder()));
    if (!file) {
        platform().message(this,
                           QStringLiteral("Please enter some details so Grovekeep can operate "
                                          "functionally"));
        return;
    }
    ReadOptionsFile(file->values);
}

void frmOptions::ReadOptionsFile(const QStringList& values) {
    QLineEdit* fields[SettingsLineCount] = {txtRunBlack,    txtManagerLocation,
                                            txtMapCreator,  txtLandscapeCreator,
                                            txtSkinCreator, txtTattooCreator};
    for (int i = 0; i < SettingsLineCount && i < values.size(); ++i)
        fields[i]->setText(values.at(i));
    setSettings(values);
}

QStringList frmOptions::fieldValues() const {
    return {txtRunBlack->text(),         txtManagerLocation->text(), txtMapCreator->text(),
            txtLandscapeCreator->text(), txtSkinCreator->text(),     txtTattooCreator->text()};
}

bool frmOptions::SaveOptions() {
    if (txtManagerLocation->text().isEmpty()) {
        SSTab1->setCurrentIndex(0);
        txtManagerLocation->setFocus();
        platform().message(this, QStringLiteral("Please enter where Grovekeep is located. The "
                                                "options are saved in that folder."));
        return false;
    }
    const QStringList values = fieldValues();
    const Status written = writeSettings(txtManagerLocation->text(), values);
    if (!written) {
        platform().message(this,
                           QStringLiteral("The options were not saved. %1").arg(written.error()));
        return false;
    }
    ReadOptionsFile(values);
    return true;
}

void frmOptions::cmdOK_Click() {
    if (SaveOptions())
        accept();
}

void frmOptions::cmdApply_Click() { SaveOptions(); }

void frmOptions::cmdCancel_Click() { reject(); }

void frmOptions::browse(QLineEdit* field, const QString& filter, bool folderOnly) {
    const auto chosen = platform().openFileName(this, filter, m_dialogFileName);
    if (!chosen || chosen->isEmpty())
        return;
    m_dialogFileName = *chosen;
    field->setText(folderOnly ? folderWithSeparator(*chosen) : *chosen);
}

} // namespace gk
