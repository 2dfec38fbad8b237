#include "app/side_tools.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/lang/lang_edit_window.h"
#include "ui/main_window.h"
#include "ui/map/map_window.h"
#include "ui/update/version_check.h"

namespace corvane {

namespace {

// A window inside the MDI area that is thrown away when its frame closes, so the next command
// starts it afresh (an open level's unsaved edits are discarded on closing, as always).
void addToArea(QMdiArea& area, QWidget& window) {
    QMdiSubWindow* frame = area.addSubWindow(&window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->hide();
}

}  // namespace

// The map window's Undo and Redo sit in the Edit menu, shown only while that window is active.
void SideTools::showEditItemsWhileActive(MapWindow& map) {
    const QList<QAction*> items = map.editActions();
    window_.addEditItems(items);
    auto show = [items, &map](QMdiSubWindow* active) {
        for (QAction* item : items) item->setVisible(active != nullptr && active->widget() == &map);
    };
    QObject::connect(window_.mdiArea(), &QMdiArea::subWindowActivated, &map, show);
    show(window_.mdiArea()->activeSubWindow());
}

SideTools::SideTools(MainWindow& window, Prompter& prompter, const AppPaths& paths,
                     std::unique_ptr<RegistryReader> registry, QUrl updateSite)
    : window_(window),
      prompter_(prompter),
      paths_(paths),
      registry_(std::move(registry)),
      updateSite_(std::move(updateSite)) {
    window.setExternalCommands(
        {[this] { openMap(); }, [this] { saveMap(); }, [this] { openLanguage(); }, [this] { saveLanguage(); },
         [this] { checkNewVersion(); }, [this] { return whenLanguageActive(&LangEditWindow::findCommand); },
         [this] { return whenLanguageActive(&LangEditWindow::findNextCommand); },
         [this] {
             return (map_ == nullptr || map_->maybeSave()) && (language_ == nullptr || language_->maybeSave());
         }});
}

// The windows refer to the registry and the prompter; they go before them.
SideTools::~SideTools() {
    delete map_.data();
    delete language_.data();
}

bool SideTools::languageIsActive() const {
    const QMdiSubWindow* active = window_.mdiArea()->activeSubWindow();
    return language_ != nullptr && active != nullptr && active->widget() == language_.data();
}

bool SideTools::whenLanguageActive(void (LangEditWindow::*command)()) {
    if (!languageIsActive()) return false;
    (language_->*command)();
    return true;
}

MapWindow* SideTools::mapWindow() const { return map_; }

LangEditWindow* SideTools::languageWindow() const { return language_; }

MapWindow& SideTools::ensureMapWindow() {
    if (map_ == nullptr) {
        map_ = new MapWindow(prompter_, paths_, *registry_);
        QObject::connect(map_, &MapWindow::saveMapAvailable, &window_, &MainWindow::setMapSaveEnabled);
        QObject::connect(map_, &MapWindow::scriptRequested, &window_, &MainWindow::loadScript);
        QObject::connect(map_, &MapWindow::newScriptRequested, &window_, &MainWindow::newScriptAt);
        QObject::connect(map_, &MapWindow::scriptFolderRequested, &window_, &MainWindow::loadFromFolder);
        addToArea(*window_.mdiArea(), *map_);
        showEditItemsWhileActive(*map_);
    }
    return *map_;
}

LangEditWindow& SideTools::ensureLanguageWindow() {
    if (language_ == nullptr) {
        language_ =
            new LangEditWindow(prompter_, paths_, *registry_, [this](const QString& text) { window_.setStatus(text); });
        QObject::connect(language_, &LangEditWindow::saveAvailable, &window_, &MainWindow::setLanguageSaveEnabled);
        addToArea(*window_.mdiArea(), *language_);
        // Find and Find Next serve the language editor while it is active, also with no script open.
        QObject::connect(window_.mdiArea(), &QMdiArea::subWindowActivated, language_, [this] {
            const bool findable = window_.openScriptWindow() != nullptr || languageIsActive();
            for (const char* name : {"mnuFind", "mnuFindNext"})
                window_.menuAction(QString::fromLatin1(name))->setEnabled(findable);
        });
    }
    return *language_;
}

void SideTools::openMap() { ensureMapWindow().openMapCommand(); }

void SideTools::saveMap() {
    if (map_ != nullptr) map_->saveMapCommand();
}

void SideTools::openLanguage() { ensureLanguageWindow().openCommand(); }

void SideTools::saveLanguage() {
    if (language_ != nullptr) language_->saveCommand();
}

void SideTools::checkNewVersion() {
    // An unsaved script is asked about before the update utility starts; once it runs, the
    // program ends without asking again.
    VersionCheck check(
        prompter_, paths_, [this](const QString& text) { window_.setStatus(text); }, [this] { window_.endProgram(); },
        updateSite_);
    check.setMayQuit([this] { return window_.mayEndProgram(); });
    check.run(QStringLiteral("corvanescripter"));
}

}  // namespace corvane
