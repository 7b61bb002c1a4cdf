#include "Server.h"

#include "SheetView.h"
#include "Snapshot.h"

namespace grv::standin {

Server& server() {
    static Server instance;
    return instance;
}

void Server::objectCreated() {
    ++objects;
    everServed = true;
}

void Server::objectReleased() {
    --objects;
    exitIfUnused();
}

void Server::lock(bool on) {
    locks += on ? 1 : -1;
    exitIfUnused();
}

void Server::exitIfUnused() {
    if (objects > 0 || locks > 0) return;
    bool lingers = app.visible && !app.quitCalled && !windowClosed && !settings.noLinger;
    if (lingers) return;  // the user has it now
    PostThreadMessageW(mainThread, WM_QUIT, 0, 0);
}

void Server::setVisible(bool visible) {
    app.visible = visible;
    if (view) view->show(visible && !app.quitCalled && !windowClosed);
    if (visible) writeSnapshot("visible");
}

void Server::quit() {
    app.quitCalled = true;
    if (view) view->show(false);
    writeSnapshot("quit");
}

void Server::changed() {
    if (view) view->refresh();
}

void Server::writeSnapshot(const char* reason) {
    if (settings.snapshotPath.empty()) return;
    // Written beside the target and moved over it, so that a reader never sees half a snapshot.
    std::string text = snapshotJson(app, reason);
    std::wstring partial = settings.snapshotPath + L".partial";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(file);
    if (!ok || !MoveFileExW(partial.c_str(), settings.snapshotPath.c_str(), MOVEFILE_REPLACE_EXISTING)) DeleteFileW(partial.c_str());
}

}  // namespace grv::standin
