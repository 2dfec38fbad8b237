// Stands in for updater.exe in the Windows hand-over test: shows what it was started with by copying
// updater.cfg from its working folder and leaving a mark that it ran.
#include <filesystem>
#include <fstream>

int main() {
    std::error_code ignored;
    std::filesystem::copy_file("updater.cfg", "updater-saw.cfg", ignored);
    std::ofstream("updater-ran") << "started\n";
    return 0;
}
