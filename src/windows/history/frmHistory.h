#pragma once

#include "files/store.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace gk {

// The history of the changes Grovekeep made: every operation, newest first, with its files,
// and the ways back: Undo, Verify, Show in folder and Free space.
class frmHistory : public QWidget {
    Q_OBJECT
public:
    static constexpr Form formId = Form::History;

    frmHistory();
    void Form_Load();

    // Reads the history again and shows it, keeping the selected operation (or selecting
    // HistoryOperation when a command asked for one).
    void refresh();
    // The operation selected in the list, or 0.
    int selectedOperation() const;
    void selectOperation(int id);

protected:
    // Shown again or brought to the front: the history is read again.
    bool event(QEvent* event) override;

private:
    void createControls();
    void connectControls();
    void showFiles();
    void cmdUndo_Click();
    void cmdVerify_Click();
    void cmdShowFolder_Click();
    void cmdFree_Click();
    std::optional<ChangeStore> store();

    QTreeWidget* lstOperations = nullptr;
    QTreeWidget* lstFiles = nullptr;
    QLabel* lblSummary = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdVerify = nullptr;
    QPushButton* cmdShowFolder = nullptr;
    QPushButton* cmdFree = nullptr;
    QList<OperationRecord> m_history; // without their files
    OperationRecord m_shown;          // the selected operation with its files
};

} // namespace gk
