#pragma once
// The main window's commands that open the other tools: the map window, the language editor and
// the version check. Each window exists at most once, inside the main window's MDI area.

#include <QPointer>
#include <QUrl>
#include <memory>

#include "support/registry.h"
#include "ui/common/app_paths.h"

namespace corvane {

class LangEditWindow;
class MainWindow;
class MapWindow;
class Prompter;

class SideTools final {
public:
    // Hands the main window its Maps, Language and version-check commands.
    SideTools(MainWindow& window, Prompter& prompter, const AppPaths& paths, std::unique_ptr<RegistryReader> registry,
              QUrl updateSite);
    ~SideTools();
    SideTools(const SideTools&) = delete;
    SideTools& operator=(const SideTools&) = delete;

    void openMap();
    void saveMap();
    void openLanguage();
    void saveLanguage();
    void checkNewVersion();

    MapWindow* mapWindow() const;
    LangEditWindow* languageWindow() const;

private:
    MapWindow& ensureMapWindow();
    LangEditWindow& ensureLanguageWindow();
    void showEditItemsWhileActive(MapWindow& map);
    bool languageIsActive() const;
    // Runs the language editor's command when its window is the active one; false otherwise.
    bool whenLanguageActive(void (LangEditWindow::*command)());

    MainWindow& window_;
    Prompter& prompter_;
    AppPaths paths_;
    std::unique_ptr<RegistryReader> registry_;
    QUrl updateSite_;
    QPointer<MapWindow> map_;
    QPointer<LangEditWindow> language_;
};

}  // namespace corvane
