#pragma once

#include "project/ScanFact.h"
#include "project/project.h"

#include <QWidget>
#include <functional>

class QMenuBar;

// The per-project window: the drop hint, the facts of the project folder, the processing
// options and "Process...". Its controls are found by their object names.
class windowSettings : public QWidget {
    Q_OBJECT
public:
    explicit windowSettings(QWidget* parent = nullptr);
    ~windowSettings() override;

    // The first window of the program: the existing one, or a new one, shown.
    static windowSettings* defaultInstance();

    // Fills a QMenuBar with the application's menus. The application installs it before it
    // opens any window; without one a window shows no menu bar.
    using MenuInstaller = std::function<void(QMenuBar*)>;
    static void setMenuInstaller(MenuInstaller installer);

    // The size of the area that holds the controls, below the menu bar.
    static constexpr int kContentWidth = 557;
    static constexpr int kContentHeight = 627;

    // The window's project; null until a folder has been opened in it.
    ProjectPtr project;

    // Scans the folder of `project` (name and path set), shows its facts and applies the
    // option rules. A folder that cannot be read is reported in a message box.
    void initProject();
    // Enables the options and "Process..." that the project and the other options allow.
    void refreshInterface();

    void btnProcess_Action();
    void fldMaxFileSIzeKB_GotFocus();
    void fldMaxFileSIzeKB_TextChange();
    void boxRenameGPX_Action();
    void boxSplitGPX_Action();
    void boxRenamePRC_Action();
    void boxDeleteSourceGPX_Action();
    void btnCancel_Action();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void CreateControls();
    void connectHandlers();
    void Open();
    void showFact(const ScanFact& fact);

    template <class T> T* control(const char* name) const;

    QWidget* m_content = nullptr;
};
