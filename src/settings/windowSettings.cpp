#include "settings/windowSettings.h"

#include "platform/Failure.h"
#include "platform/FolderItem.h"
#include "platform/MessageBox.h"
#include "platform/ProjectOpener.h"
#include "processing/windowProcess.h"
#include "project/FolderScan.h"
#include "settings/ElidedLabel.h"
#include "settings/OptionRules.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <iterator>

namespace {

enum class Kind { StaticText, EditField, CheckBox, PushButton, Separator };

enum Flag : unsigned {
    Bold = 1u << 0,
    AlignRight = 1u << 1,
    Disabled = 1u << 2,
    Checked = 1u << 3,
    DefaultButton = 1u << 4,
    Wrap = 1u << 5,
    // A fact of the project: shortened with "…" when it is wider than its label.
    Fact = 1u << 6,
};

struct ControlRow {
    const char* name;
    Kind kind;
    const char* text;
    int left, top, width, height;
    unsigned flags;
    const char* helpTag;
};

// The controls in creation order, with everything they show before a project is opened.
constexpr ControlRow kControls[] = {
    {"StaticText9", Kind::StaticText, "GPX File:", 86, 92, 67, 20, AlignRight, nullptr},
    {"txtGPXFile", Kind::StaticText, "", 164, 92, 125, 20, Fact, nullptr},
    {"StaticText11", Kind::StaticText, "PRC File:", 276, 92, 67, 20, AlignRight, nullptr},
    {"txtPRCFile", Kind::StaticText, "", 355, 92, 183, 20, Fact, nullptr},
    {"btnProcess", Kind::PushButton, "Process...", 438, 587, 101, 20, Disabled | DefaultButton,
     nullptr},
    {"fldMaxFileSIzeKB", Kind::EditField, "250", 495, 228, 45, 22, Disabled | AlignRight,
     "Enter here the maximum file size in KB."},
    {"StaticText1", Kind::StaticText, "Maximum File Size in KB (min 50):", 266, 228, 216, 20, 0,
     nullptr},
    {"boxRenameGPX", Kind::CheckBox, "Name Split Files after Pocket Query Name", 22, 262, 321, 20,
     Disabled | Checked, nullptr},
    {"boxSplitGPX", Kind::CheckBox, "Split GPX File into Parts", 22, 229, 215, 20,
     Disabled | Checked, nullptr},
    {"boxRenamePRC", Kind::CheckBox, "Rename PRC File to Pocket Query Name", 23, 430, 321, 20,
     Disabled | Checked, nullptr},
    {"boxRemoveHTML", Kind::CheckBox, "Remove HTML-Tags in Cache Descriptions", 23, 324, 321, 20,
     Disabled, nullptr},
    {"boxCreateZIP", Kind::CheckBox, "Create ZIP Archive", 22, 542, 321, 20, Disabled, nullptr},
    {"StaticText2", Kind::StaticText, "GPX File Options", 22, 198, 131, 20, Bold, nullptr},
    {"StaticText3", Kind::StaticText, "PRC File Options:", 23, 399, 131, 20, Bold, nullptr},
    {"boxRemoveCacheDescriptions", Kind::CheckBox, "Remove Cache Descriptions", 23, 354, 321, 20,
     Disabled, nullptr},
    {"StaticText4", Kind::StaticText, "Output Options:", 23, 478, 122, 20, Bold, nullptr},
    {"Separator1", Kind::Separator, "", 22, 464, 518, 9, 0, nullptr},
    {"Separator2", Kind::Separator, "", 23, 386, 518, 9, 0, nullptr},
    {"Separator3", Kind::Separator, "", 22, 188, 518, 9, 0, nullptr},
    {"Separator4", Kind::Separator, "", 22, 566, 518, 9, 0, nullptr},
    {"StaticText5", Kind::StaticText,
     "Drag a folder containing the unzipped "
     "geocaching web site"
     " files from a Pocket Query onto this window.",
     20, 14, 522, 34, Bold | Wrap, nullptr},
    {"StaticText7", Kind::StaticText, "Pocket Query Name:", 210, 156, 133, 20, AlignRight, nullptr},
    {"txtQueryName", Kind::StaticText, "", 355, 156, 182, 20, Fact, nullptr},
    {"StaticText13", Kind::StaticText, "Number of Caches:", 20, 156, 133, 20, AlignRight, nullptr},
    {"txtCacheNumber", Kind::StaticText, "", 164, 156, 37, 20, Fact, nullptr},
    {"StaticText15", Kind::StaticText, "GPX File Date:", 51, 124, 101, 20, AlignRight, nullptr},
    {"txtDate", Kind::StaticText, "", 165, 124, 375, 20, Fact, nullptr},
    {"StaticText16", Kind::StaticText, "Location:", 20, 60, 133, 20, AlignRight, nullptr},
    {"txtProjectPath", Kind::StaticText, "", 164, 60, 373, 20, Fact, nullptr},
    {"boxDeleteSourceGPX", Kind::CheckBox, "Delete Source GPX File", 22, 293, 321, 20,
     Disabled | Checked, nullptr},
    {"boxSaveLog", Kind::CheckBox, "Save Processing Log as Text File", 22, 510, 321, 20,
     Disabled | Checked, nullptr},
    {"btnCancel", Kind::PushButton, "Cancel", 312, 587, 101, 20, 0, nullptr},
};
static_assert(std::size(kControls) == 32);

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// Sets the colour of enabled text only: a disabled control keeps the style's grey, so that
// it still looks disabled.
void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, color);
        p.setColor(group, QPalette::Text, color);
    }
    w->setPalette(p);
}

// Creates one control under `parent` with all the attributes of its row.
QWidget* createControl(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    const Qt::Alignment horizontal = (row.flags & AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
    QWidget* w = nullptr;
    switch (row.kind) {
    case Kind::StaticText: {
        auto* label = (row.flags & Fact) ? new ElidedLabel(parent) : new QLabel(parent);
        label->setText(text);
        label->setAlignment(horizontal | ((row.flags & Wrap) ? Qt::AlignTop : Qt::AlignVCenter));
        label->setWordWrap(row.flags & Wrap);
        setTextColor(label, kBlack);
        w = label;
        break;
    }
    case Kind::EditField: {
        auto* field = new QLineEdit(text, parent);
        field->setAlignment(horizontal | Qt::AlignVCenter);
        // A folder dropped on the field must reach the window, not become text.
        field->setAcceptDrops(false);
        setTextColor(field, kBlack);
        w = field;
        break;
    }
    case Kind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(row.flags & Checked);
        w = box;
        break;
    }
    case Kind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault(row.flags & DefaultButton);
        button->setAutoDefault(false);
        w = button;
        break;
    }
    case Kind::Separator: {
        auto* rule = new QFrame(parent);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        w = rule;
        break;
    }
    }
    w->setObjectName(QString::fromLatin1(row.name));
    w->setGeometry(row.left, row.top, row.width, row.height);
    if (row.flags & Bold) {
        QFont font = w->font();
        font.setBold(true);
        w->setFont(font);
    }
    if (row.helpTag)
        w->setToolTip(QString::fromUtf8(row.helpTag));
    w->setEnabled(!(row.flags & Disabled));
    return w;
}

// The local folder named by the first item of a drag; empty when the first item is anything
// else. Later items are not looked at.
QString droppedFolder(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? path : QString();
}

windowSettings::MenuInstaller& menuInstaller() {
    static windowSettings::MenuInstaller installer;
    return installer;
}

QPointer<windowSettings>& defaultWindow() {
    static QPointer<windowSettings> window;
    return window;
}

} // namespace

windowSettings::windowSettings(QWidget* parent) : QWidget(parent) {
    Layout();
    CreateControls();
    connectHandlers();
    Open();
}

windowSettings::~windowSettings() = default;

windowSettings* windowSettings::defaultInstance() {
    QPointer<windowSettings>& window = defaultWindow();
    if (!window) {
        window = new windowSettings();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    return window;
}

void windowSettings::setMenuInstaller(MenuInstaller installer) {
    menuInstaller() = std::move(installer);
}

template <class T> T* windowSettings::control(const char* name) const {
    return m_content->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void windowSettings::Layout() {
    setWindowTitle(QStringLiteral("Untitled Project"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window takes exactly the size of its menu bar and content: the user cannot resize it.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (menuInstaller()) {
        auto* bar = new QMenuBar(this);
        bar->setObjectName(QStringLiteral("menuBar"));
        menuInstaller()(bar);
        layout->setMenuBar(bar);
    }

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("contentArea"));
    m_content->setFixedSize(kContentWidth, kContentHeight);
    layout->addWidget(m_content);
}

void windowSettings::CreateControls() {
    for (const ControlRow& row : kControls)
        createControl(row, m_content);
}

void windowSettings::connectHandlers() {
    connect(control<QPushButton>("btnProcess"), &QPushButton::clicked, this,
            &windowSettings::btnProcess_Action);
    auto* field = control<QLineEdit>("fldMaxFileSIzeKB");
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &windowSettings::fldMaxFileSIzeKB_TextChange);
    connect(control<QCheckBox>("boxRenameGPX"), &QCheckBox::clicked, this,
            &windowSettings::boxRenameGPX_Action);
    connect(control<QCheckBox>("boxSplitGPX"), &QCheckBox::clicked, this,
            &windowSettings::boxSplitGPX_Action);
    connect(control<QCheckBox>("boxRenamePRC"), &QCheckBox::clicked, this,
            &windowSettings::boxRenamePRC_Action);
    connect(control<QCheckBox>("boxDeleteSourceGPX"), &QCheckBox::clicked, this,
            &windowSettings::boxDeleteSourceGPX_Action);
    connect(control<QPushButton>("btnCancel"), &QPushButton::clicked, this,
            &windowSettings::btnCancel_Action);
}

void windowSettings::Open() {
    setAcceptDrops(true);
}

void windowSettings::initProject() {
    // Nothing of an earlier project may stay on display, whatever this scan reaches.
    for (const char* name : {"txtProjectPath", "txtGPXFile", "txtPRCFile", "txtQueryName",
                             "txtDate", "txtCacheNumber"}) {
        auto* label = control<QLabel>(name);
        label->clear();
        setTextColor(label, kBlack);
    }
    try {
        scanProject(*project, [this](const ScanFact& fact) { showFact(fact); });
    } catch (const Failure& failure) {
        // The facts shown so far stay; the record holds no usable document, so the rules
        // offer no GPX option and no run.
        refreshInterface();
        MessageBox::show(this, failure.message());
        return;
    }
    refreshInterface();
}

void windowSettings::showFact(const ScanFact& fact) {
    const char* name = nullptr;
    switch (fact.kind) {
    case ScanFact::Kind::Location:
        name = "txtProjectPath";
        break;
    case ScanFact::Kind::GpxFile:
        name = "txtGPXFile";
        break;
    case ScanFact::Kind::PrcFile:
        name = "txtPRCFile";
        break;
    case ScanFact::Kind::QueryName:
        name = "txtQueryName";
        break;
    case ScanFact::Kind::FileDate:
        name = "txtDate";
        break;
    case ScanFact::Kind::CacheCount:
        name = "txtCacheNumber";
        break;
    }
    auto* label = control<QLabel>(name);
    label->setText(fact.text);
    setTextColor(label, fact.red ? kRed : kBlack);
}

void windowSettings::refreshInterface() {
    auto* split = control<QCheckBox>("boxSplitGPX");
    auto* size = control<QLineEdit>("fldMaxFileSIzeKB");
    auto* renameGpx = control<QCheckBox>("boxRenameGPX");
    auto* deleteSource = control<QCheckBox>("boxDeleteSourceGPX");
    auto* renamePrc = control<QCheckBox>("boxRenamePRC");
    auto* process = control<QPushButton>("btnProcess");
    auto* saveLog = control<QCheckBox>("boxSaveLog");

    OptionRules::Inputs in;
    if (project) {
        in.gpxFound = !project->GPXFile.isEmpty();
        in.gpxUsable = project->hasUsableDocument();
        in.prcFound = !project->PRCFile.isEmpty();
    }
    in.splitChecked = split->isChecked();
    in.renamePrcChecked = renamePrc->isChecked();
    in.deleteSourceEnabled = deleteSource->isEnabled();
    in.renamePrcEnabled = renamePrc->isEnabled();
    in.sizeText = size->text();

    const OptionRules::States out = OptionRules::evaluate(in);
    split->setEnabled(out.splitEnabled);
    size->setEnabled(out.sizeEnabled);
    renameGpx->setEnabled(out.renameGpxEnabled);
    deleteSource->setEnabled(out.deleteSourceEnabled);
    renamePrc->setEnabled(out.renamePrcEnabled);
    process->setEnabled(out.processEnabled);
    saveLog->setEnabled(out.saveLogEnabled);
    // Only a field that lacks the focus is given it: while the user types, the rules run on
    // every keystroke and must not select the text typed so far.
    if (out.focusSize && !size->hasFocus())
        size->setFocus(Qt::OtherFocusReason);
}

void windowSettings::btnProcess_Action() {
    auto* run = new windowProcess();
    run->setAttribute(Qt::WA_DeleteOnClose);
    hide();
    run->project = project;
    run->wSettings = this;
    run->setWindowTitle(QStringLiteral("Processing ") + project->name);
    run->show();
    run->processProject();
}

void windowSettings::fldMaxFileSIzeKB_GotFocus() {
    auto* field = control<QLineEdit>("fldMaxFileSIzeKB");
    field->setSelection(0, int(field->text().size()));
}

void windowSettings::fldMaxFileSIzeKB_TextChange() {
    refreshInterface();
}

void windowSettings::boxRenameGPX_Action() {
    refreshInterface();
}

void windowSettings::boxSplitGPX_Action() {
    refreshInterface();
}

void windowSettings::boxRenamePRC_Action() {
    refreshInterface();
}

void windowSettings::boxDeleteSourceGPX_Action() {
    refreshInterface();
}

void windowSettings::btnCancel_Action() {
    close();
}

bool windowSettings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == control<QLineEdit>("fldMaxFileSIzeKB"))
        fldMaxFileSIzeKB_GotFocus();
    return QWidget::eventFilter(watched, event);
}

void windowSettings::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFolder(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void windowSettings::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedFolder(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void windowSettings::dropEvent(QDropEvent* event) {
    const QString folder = droppedFolder(event->mimeData());
    ProjectOpener* opener = ProjectOpener::instance();
    if (folder.isEmpty() || !opener) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The folder opens in this window, the one it was dropped on, whichever window is in
    // front: opening it anywhere else would replace another window's project unasked. It
    // opens once the drop is over, so that the file manager is not held while a large
    // document loads or a message about it waits for the user.
    QMetaObject::invokeMethod(
        this,
        [this, folder] {
            if (ProjectOpener* later = ProjectOpener::instance())
                later->startNewProject(FolderItem(folder), false, this);
        },
        Qt::QueuedConnection);
}

void windowSettings::keyPressEvent(QKeyEvent* event) {
    // "Process..." is the window's default button: Return presses it while it is enabled.
    // Text fields and check boxes pass Return on to the window.
    auto* process = control<QPushButton>("btnProcess");
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && process->isEnabled()) {
        process->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
