#include "uninstaller/testing/fake_machine.h"

#include <algorithm>

#include "uninstaller/frame/mbcs_text.h"
#include "uninstaller/testing/fake_ini.h"

namespace zrt::un::testing {
namespace {

bool isJapaneseLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Paths compare without regard to case, as the file system compares them; the trail byte of
// a double-byte character is not a letter.
std::string upperAscii(std::string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isJapaneseLeadByte(text[i])) {
            ++i;
        } else if (text[i] >= 'a' && text[i] <= 'z') {
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
        }
    }
    return text;
}

std::string stripQuotes(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Entries that fit a double-zero-terminated buffer of bufferSize bytes.
std::vector<std::string> fitting(const std::vector<std::string>& items, std::size_t bufferSize) {
    std::vector<std::string> out;
    std::size_t used = 1;
    for (const std::string& item : items) {
        if (used + item.size() + 1 > bufferSize) {
            break;
        }
        used += item.size() + 1;
        out.push_back(item);
    }
    return out;
}

}  // namespace

class FakeMachine::Writer : public TextFileWriter {
public:
    Writer(FakeMachine& fake, std::string fileKey) : fake_(fake), key_(std::move(fileKey)) {
        ++fake_.openHandles_;
    }
    ~Writer() override { close(); }
    WinError write(const std::string& bytes) override {
        if (!open_) {
            return kErrorInvalidHandle;
        }
        if (const WinError e = fake_.failure("TextFileWriter.write")) {
            return e;
        }
        fake_.files_[key_].content += bytes;
        return kErrorSuccess;
    }
    WinError flush() override { return open_ ? kErrorSuccess : kErrorInvalidHandle; }
    void close() override {
        if (open_) {
            open_ = false;
            --fake_.openHandles_;
        }
    }

private:
    FakeMachine& fake_;
    std::string key_;
    bool open_ = true;
};

FakeMachine::FakeMachine()
    : machine_{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this} {
    groups.push_back({Sid{1, {0}}, 0x7});                                    // Everyone
    groups.push_back({Sid{kNtAuthority, {kBuiltinDomainRid, kAdministratorsRid}}, 0xF});
    addFolder("C:\\");
    addFolder(windowsDir);
    addFolder(systemDir);
}

FakeMachine::~FakeMachine() = default;

std::string FakeMachine::key(const std::string& path) {
    std::string k = upperAscii(path);
    std::replace(k.begin(), k.end(), '/', '\\');
    while (k.size() > 3 && k.back() == '\\') {
        k.pop_back();
    }
    return k;
}

std::string FakeMachine::parentOf(const std::string& upperPath) {
    const std::size_t slash = upperPath.rfind('\\');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 2 ? upperPath.substr(0, 3) : upperPath.substr(0, slash);
}

WinError FakeMachine::failure(const char* call) const {
    const auto it = failures_.find(call);
    return it == failures_.end() ? kErrorSuccess : it->second;
}

OwnedHandle FakeMachine::open(OpenHandle::Kind kind, const std::string& name) {
    const RawHandle handle = nextHandle_++;
    handles_[handle] = {kind, name};
    ++openHandles_;
    return OwnedHandle(*this, handle);
}

void FakeMachine::closeHandle(RawHandle handle) noexcept {
    const auto it = handles_.find(handle);
    if (it == handles_.end()) {
        return;
    }
    if (it->second.kind == OpenHandle::Kind::Mutex) {
        const auto ref = mutexRefs_.find(it->second.name);
        if (ref != mutexRefs_.end() && --ref->second == 0) {
            mutexRefs_.erase(ref);  // the last handle takes the mutex with it
        }
    }
    handles_.erase(it);
    --openHandles_;
}

// --- registry ---------------------------------------------------------------------------

std::string FakeMachine::registryPath(RegistryRoot root, const std::string& path) {
    static const char* const kRoots[] = {"HKCR", "HKCU", "HKLM", "HKU"};
    std::string full = kRoots[static_cast<int>(root)];
    if (!path.empty()) {
        full += "\\" + path;
    }
    return key(full);
}

const std::string* FakeMachine::keyOf(const OwnedHandle& handle) const {
    const auto it = handles_.find(handle.get());
    if (it == handles_.end() || it->second.kind != OpenHandle::Kind::Key ||
        keys_.count(it->second.name) == 0) {
        return nullptr;
    }
    return &it->second.name;
}

std::string FakeMachine::ensureKey(RegistryRoot root, const std::string& path) {
    std::string built;
    std::size_t begin = 0;
    keys_.emplace(registryPath(root, ""), RegistryKeyNode{});
    while (begin <= path.size() && !path.empty()) {
        std::size_t end = path.find('\\', begin);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string part = path.substr(begin, end - begin);
        built += (built.empty() ? "" : "\\") + part;
        keys_.emplace(registryPath(root, built), RegistryKeyNode{part, {}});  // first case kept
        begin = end + 1;
    }
    return registryPath(root, path);
}

void FakeMachine::setRegistryValue(RegistryRoot root, const std::string& path,
                                   const std::string& name, const RegistryValue& value) {
    const std::string full = ensureKey(root, path);
    auto& values = keys_[full].values;
    for (auto& entry : values) {
        if (equalNoCaseAscii(entry.name, name)) {
            entry.value = value;
            return;
        }
    }
    values.push_back({name, value});
}

std::optional<RegistryValue> FakeMachine::registryValue(RegistryRoot root,
                                                        const std::string& path,
                                                        const std::string& name) const {
    const auto it = keys_.find(registryPath(root, path));
    if (it == keys_.end()) {
        return std::nullopt;
    }
    for (const auto& entry : it->second.values) {
        if (equalNoCaseAscii(entry.name, name)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

bool FakeMachine::registryKeyExists(RegistryRoot root, const std::string& path) const {
    return keys_.count(registryPath(root, path)) != 0;
}

Outcome<OwnedHandle> FakeMachine::openKey(RegistryRoot root, const std::string& path,
                                          RegistryAccess) {
    if (const WinError e = failure("Registry.openKey")) {
        return failed<OwnedHandle>(e);
    }
    const std::string full = registryPath(root, path);
    if (keys_.count(full) == 0 && full.find('\\') != std::string::npos) {
        return failed<OwnedHandle>(kErrorFileNotFound);
    }
    keys_.emplace(full, RegistryKeyNode{full, {}});  // the roots always exist
    return open(OpenHandle::Kind::Key, full);
}

Outcome<OwnedHandle> FakeMachine::createKey(RegistryRoot root, const std::string& path) {
    if (const WinError e = failure("Registry.createKey")) {
        return failed<OwnedHandle>(e);
    }
    return open(OpenHandle::Kind::Key, ensureKey(root, path));
}

Outcome<RegistryValue> FakeMachine::queryValue(const OwnedHandle& handle,
                                               const std::string& name) {
    if (const WinError e = failure("Registry.queryValue")) {
        return failed<RegistryValue>(e);
    }
    const std::string* path = keyOf(handle);
    if (path == nullptr) {
        return failed<RegistryValue>(kErrorInvalidHandle);
    }
    for (const auto& entry : keys_[*path].values) {
        if (equalNoCaseAscii(entry.name, name)) {
            return entry.value;
        }
    }
    return failed<RegistryValue>(kErrorFileNotFound);
}

WinError FakeMachine::setValue(const OwnedHandle& handle, const std::string& name,
                               const RegistryValue& value) {
    if (const WinError e = failure("Registry.setValue")) {
        return e;
    }
    const std::string* path = keyOf(handle);
    if (path == nullptr) {
        return kErrorInvalidHandle;
    }
    auto& values = keys_[*path].values;
    for (auto& entry : values) {
        if (equalNoCaseAscii(entry.name, name)) {
            entry.value = value;
            return kErrorSuccess;
        }
    }
    values.push_back({name, value});
    return kErrorSuccess;
}

WinError FakeMachine::deleteValue(const OwnedHandle& handle, const std::string& name) {
    if (const WinError e = failure("Registry.deleteValue")) {
        return e;
    }
    const std::string* path = keyOf(handle);
    if (path == nullptr) {
        return kErrorInvalidHandle;
    }
    auto& values = keys_[*path].values;
    const auto it = std::find_if(values.begin(), values.end(), [&](const RegistryEntry& e) {
        return equalNoCaseAscii(e.name, name);
    });
    if (it == values.end()) {
        return kErrorFileNotFound;
    }
    values.erase(it);
    return kErrorSuccess;
}

std::vector<std::string> FakeMachine::subKeysOf(const std::string& path) const {
    std::vector<std::string> names;
    for (const auto& [full, node] : keys_) {
        if (parentOf(full) == path && full != path) {
            names.push_back(node.name);
        }
    }
    return names;  // the map keeps them in upper-case order, as the registry sorts subkeys
}

Outcome<std::string> FakeMachine::enumSubKey(const OwnedHandle& handle, std::uint32_t index) {
    if (const WinError e = failure("Registry.enumSubKey")) {
        return failed<std::string>(e);
    }
    const std::string* path = keyOf(handle);
    if (path == nullptr) {
        return failed<std::string>(kErrorInvalidHandle);
    }
    const auto names = subKeysOf(*path);
    if (index >= names.size()) {
        return failed<std::string>(kErrorNoMoreItems);
    }
    return names[index];
}

Outcome<RegistryEntry> FakeMachine::enumValue(const OwnedHandle& handle, std::uint32_t index) {
    if (const WinError e = failure("Registry.enumValue")) {
        return failed<RegistryEntry>(e);
    }
    const std::string* path = keyOf(handle);
    if (path == nullptr) {
        return failed<RegistryEntry>(kErrorInvalidHandle);
    }
    const auto& values = keys_[*path].values;  // in the order they were written
    if (index >= values.size()) {
        return failed<RegistryEntry>(kErrorNoMoreItems);
    }
    return values[index];
}

WinError FakeMachine::deleteKey(const OwnedHandle& parent, const std::string& subKey) {
    if (const WinError e = failure("Registry.deleteKey")) {
        return e;
    }
    const std::string* path = keyOf(parent);
    if (path == nullptr) {
        return kErrorInvalidHandle;
    }
    const std::string full = key(*path + "\\" + subKey);
    if (keys_.count(full) == 0) {
        return kErrorFileNotFound;
    }
    if (!subKeysOf(full).empty()) {
        return kErrorAccessDenied;
    }
    keys_.erase(full);
    return kErrorSuccess;
}

// --- spooler --------------------------------------------------------------------------

std::string FakeMachine::currentEnvironment() const {
    return versionIsNt() ? "Windows NT x86" : "Windows 4.0";
}

std::string FakeMachine::environmentOf(const std::string& environment) const {
    return environment.empty() ? currentEnvironment() : environment;
}

PrinterInfo2& FakeMachine::addPrinter(const std::string& name, const std::string& driver,
                                      const std::string& port) {
    FakePrinter printer;
    printer.info.printerName = name;
    printer.info.driverName = driver;
    printer.info.portName = port;
    printer.info.attributes = kPrinterLocal;
    printers.push_back(printer);
    return printers.back().info;
}

PrinterInfo2& FakeMachine::addConnection(const std::string& server, const std::string& name,
                                         const std::string& driver) {
    FakePrinter printer;
    printer.connection = true;
    printer.info.serverName = server;
    printer.info.printerName = server + "\\" + name;
    printer.info.driverName = driver;
    printer.info.attributes = kPrinterNetwork;
    printers.push_back(printer);
    return printers.back().info;
}

DriverInfo3& FakeMachine::addDriver(const std::string& name, const std::string& environment,
                                    std::uint32_t version) {
    DriverInfo3 driver;
    driver.name = name;
    driver.environment = environment;
    driver.version = version;
    drivers.push_back(driver);
    return drivers.back();
}

bool FakeMachine::printerExists(const std::string& name) const {
    return std::any_of(printers.begin(), printers.end(), [&](const FakePrinter& p) {
        return equalNoCaseAscii(p.info.printerName, name);
    });
}

template <class T>
bool FakeMachine::listFails(const char* call, SpoolerList<T>& out) const {
    const std::pair<const char*, ListStage> stages[] = {
        {".size", ListStage::Sizing}, {".memory", ListStage::Allocating},
        {".read", ListStage::Reading}};
    for (const auto& [suffix, stage] : stages) {
        if (const WinError e = failure((std::string(call) + suffix).c_str())) {
            out = SpoolerList<T>::failure(stage, e);
            return true;
        }
    }
    return false;
}

SpoolerList<PrinterInfo2> FakeMachine::enumPrinters(std::uint32_t flags) {
    SpoolerList<PrinterInfo2> list;
    if (listFails("Spooler.enumPrinters", list)) {
        return list;
    }
    for (const FakePrinter& printer : printers) {
        if ((printer.connection && (flags & kEnumConnections) != 0) ||
            (!printer.connection && (flags & kEnumLocal) != 0)) {
            list.items.push_back(printer.info);
        }
    }
    return list;
}

SpoolerList<DriverInfo3> FakeMachine::enumDrivers(const std::string& environment) {
    SpoolerList<DriverInfo3> list;
    if (listFails("Spooler.enumDrivers", list)) {
        return list;
    }
    const std::string wanted = environmentOf(environment);
    for (const DriverInfo3& driver : drivers) {
        if (equalNoCaseAscii(driver.environment, wanted)) {
            list.items.push_back(driver);
        }
    }
    return list;
}

SpoolerList<MonitorInfo2> FakeMachine::enumMonitors() {
    SpoolerList<MonitorInfo2> list;
    if (!listFails("Spooler.enumMonitors", list)) {
        list.items = monitors;
    }
    return list;
}

Outcome<OwnedHandle> FakeMachine::openPrinter(const std::string& name, bool) {
    if (const WinError e = failure("Spooler.openPrinter")) {
        return failed<OwnedHandle>(e);
    }
    if (!printerExists(name)) {
        return failed<OwnedHandle>(kErrorInvalidPrinterName);
    }
    return open(OpenHandle::Kind::Printer, name);
}

FakePrinter* FakeMachine::printerOf(const OwnedHandle& handle) {
    const auto it = handles_.find(handle.get());
    if (it == handles_.end() || it->second.kind != OpenHandle::Kind::Printer) {
        return nullptr;
    }
    for (FakePrinter& printer : printers) {
        if (equalNoCaseAscii(printer.info.printerName, it->second.name)) {
            return &printer;
        }
    }
    return nullptr;
}

Outcome<PrinterInfo2> FakeMachine::printerInfo(const OwnedHandle& handle) {
    if (const WinError e = failure("Spooler.printerInfo")) {
        return failed<PrinterInfo2>(e);
    }
    const FakePrinter* printer = printerOf(handle);
    if (printer == nullptr) {
        return failed<PrinterInfo2>(kErrorInvalidHandle);
    }
    return printer->info;
}

Outcome<std::uint32_t> FakeMachine::printerAttributes(const OwnedHandle& handle) {
    if (const WinError e = failure("Spooler.printerAttributes")) {
        return failed<std::uint32_t>(e);
    }
    const FakePrinter* printer = printerOf(handle);
    if (printer == nullptr) {
        return failed<std::uint32_t>(kErrorInvalidHandle);
    }
    return printer->info.attributes;
}

WinError FakeMachine::setPrinterAttributes(const OwnedHandle& handle, std::uint32_t value) {
    if (const WinError e = failure("Spooler.setPrinterAttributes")) {
        return e;
    }
    FakePrinter* printer = printerOf(handle);
    if (printer == nullptr) {
        return kErrorInvalidHandle;
    }
    printer->info.attributes = value;
    return kErrorSuccess;
}

Outcome<DriverInfo3> FakeMachine::printerDriver(const OwnedHandle& handle,
                                                const std::string& environment) {
    if (const WinError e = failure("Spooler.printerDriver")) {
        return failed<DriverInfo3>(e);
    }
    const FakePrinter* printer = printerOf(handle);
    if (printer == nullptr) {
        return failed<DriverInfo3>(kErrorInvalidHandle);
    }
    const std::string wanted = environmentOf(environment);
    for (const DriverInfo3& driver : drivers) {
        if (equalNoCaseAscii(driver.name, printer->info.driverName) &&
            equalNoCaseAscii(driver.environment, wanted)) {
            return driver;
        }
    }
    return failed<DriverInfo3>(kErrorUnknownPrinterDriver);
}

WinError FakeMachine::deletePrinter(const OwnedHandle& handle) {
    if (const WinError e = failure("Spooler.deletePrinter")) {
        return e;
    }
    const FakePrinter* printer = printerOf(handle);
    if (printer == nullptr) {
        return kErrorInvalidHandle;
    }
    printers.erase(printers.begin() + (printer - printers.data()));
    return kErrorSuccess;
}

WinError FakeMachine::deletePrinterConnection(const std::string& name) {
    if (const WinError e = failure("Spooler.deletePrinterConnection")) {
        return e;
    }
    for (auto it = printers.begin(); it != printers.end(); ++it) {
        if (it->connection && equalNoCaseAscii(it->info.printerName, name)) {
            printers.erase(it);
            return kErrorSuccess;
        }
    }
    return kErrorInvalidPrinterName;
}

bool FakeMachine::driverInUse(const std::string& name) const {
    return std::any_of(printers.begin(), printers.end(), [&](const FakePrinter& p) {
        return equalNoCaseAscii(p.info.driverName, name);
    });
}

WinError FakeMachine::deletePrinterDriver(const std::string& environment,
                                          const std::string& driverName) {
    return deletePrinterDriverEx(environment, driverName, 0, 0);
}

WinError FakeMachine::deletePrinterDriverEx(const std::string& environment,
                                            const std::string& driverName,
                                            std::uint32_t deleteFlags, std::uint32_t version) {
    if (const WinError e = failure("Spooler.deletePrinterDriver")) {
        return e;
    }
    const std::string wanted = environmentOf(environment);
    const auto matches = [&](const DriverInfo3& d) {
        return equalNoCaseAscii(d.name, driverName) && equalNoCaseAscii(d.environment, wanted) &&
               ((deleteFlags & kDeleteSpecificVersion) == 0 || d.version == version);
    };
    if (std::none_of(drivers.begin(), drivers.end(), matches)) {
        return kErrorUnknownPrinterDriver;
    }
    if (driverInUse(driverName)) {
        return kErrorPrinterDriverInUse;
    }
    for (auto it = drivers.begin(); it != drivers.end();) {
        if (!matches(*it)) {
            ++it;
            continue;
        }
        if ((deleteFlags & (kDeleteUnusedFiles | kDeleteAllFiles)) != 0) {
            for (const std::string* file : {&it->driverPath, &it->dataFile, &it->configFile,
                                            &it->helpFile}) {
                if (!file->empty() && locked_.count(key(*file)) == 0) {
                    files_.erase(key(*file));
                }
            }
        }
        it = drivers.erase(it);
    }
    return kErrorSuccess;
}

WinError FakeMachine::deleteMonitor(const std::string&, const std::string& name) {
    if (const WinError e = failure("Spooler.deleteMonitor")) {
        return e;
    }
    for (auto it = monitors.begin(); it != monitors.end(); ++it) {
        if (equalNoCaseAscii(it->name, name)) {
            monitors.erase(it);
            return kErrorSuccess;
        }
    }
    return kErrorInvalidParameter;  // the spooler's answer for an unknown monitor
}

Outcome<std::string> FakeMachine::driverDirectory(const std::string&) {
    if (const WinError e = failure("Spooler.driverDirectory")) {
        return failed<std::string>(e);
    }
    return driverFolder;
}

Outcome<std::string> FakeMachine::defaultPrinter() {
    if (!defaultPrinterQueryAvailable) {
        return failed<std::string>(kErrorProcNotFound);
    }
    if (const WinError e = failure("Spooler.defaultPrinter")) {
        return failed<std::string>(e);
    }
    if (defaultPrinterName.empty()) {
        return failed<std::string>(kErrorFileNotFound);
    }
    return defaultPrinterName;
}

// --- files ------------------------------------------------------------------------------

void FakeMachine::addFolder(const std::string& path) {
    for (std::string p = key(path); !p.empty(); p = parentOf(p)) {
        folders_.insert(p);
        if (p.size() <= 3) {
            break;
        }
    }
}

void FakeMachine::addFile(const std::string& path, const std::string& content,
                          std::uint32_t attributes) {
    const std::string k = key(path);
    addFolder(parentOf(k));
    FakeFile& file = files_[k];
    file.path = path;
    file.content = content;
    file.attributes = attributes;
}

void FakeMachine::setVersionValue(const std::string& path, const std::string& subBlock,
                                  const std::string& value) {
    files_[key(path)].versionValues[subBlock] = value;
}

void FakeMachine::setShortName(const std::string& path, const std::string& shortPath) {
    files_[key(path)].shortPath = shortPath;
}

bool FakeMachine::fileExists(const std::string& path) const { return files_.count(key(path)) != 0; }
bool FakeMachine::folderExists(const std::string& path) const {
    return folders_.count(key(path)) != 0;
}

std::string FakeMachine::fileContent(const std::string& path) const {
    const auto it = files_.find(key(path));
    return it == files_.end() ? std::string() : it->second.content;
}

std::uint32_t FakeMachine::fileAttributes(const std::string& path) const {
    const auto it = files_.find(key(path));
    return it == files_.end() ? 0 : it->second.attributes;
}

Outcome<std::uint32_t> FakeMachine::attributes(const std::string& path) {
    if (const WinError e = failure("Files.attributes")) {
        return failed<std::uint32_t>(e);
    }
    const std::string k = key(path);
    if (const auto it = files_.find(k); it != files_.end()) {
        return it->second.attributes;
    }
    if (folders_.count(k) != 0) {
        return kAttributeDirectory;
    }
    return failed<std::uint32_t>(folders_.count(parentOf(k)) != 0 ? kErrorFileNotFound
                                                                  : kErrorPathNotFound);
}

WinError FakeMachine::setAttributes(const std::string& path, std::uint32_t value) {
    if (const WinError e = failure("Files.setAttributes")) {
        return e;
    }
    const auto it = files_.find(key(path));
    if (it == files_.end()) {
        return kErrorFileNotFound;
    }
    it->second.attributes = value == kAttributeNormal ? 0 : value;
    return kErrorSuccess;
}

WinError FakeMachine::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (const WinError e = failure("Files.copyFile")) {
        return e;
    }
    const auto source = files_.find(key(from));
    if (source == files_.end()) {
        return kErrorFileNotFound;
    }
    const std::string target = key(to);
    if (folders_.count(parentOf(target)) == 0) {
        return kErrorPathNotFound;
    }
    if (const auto existing = files_.find(target); existing != files_.end()) {
        if (failIfExists) {
            return kErrorFileExists;
        }
        if ((existing->second.attributes & kAttributeReadOnly) != 0 || locked_.count(target)) {
            return kErrorAccessDenied;
        }
    }
    FakeFile copy = source->second;
    copy.path = to;
    files_[target] = copy;  // attributes travel with the copy, as CopyFile keeps them
    return kErrorSuccess;
}

WinError FakeMachine::deleteFile(const std::string& path) {
    if (const WinError e = failure("Files.deleteFile")) {
        return e;
    }
    const std::string k = key(path);
    const auto it = files_.find(k);
    if (it == files_.end()) {
        return folders_.count(k) != 0 ? kErrorAccessDenied : kErrorFileNotFound;
    }
    if (locked_.count(k) != 0) {
        return kErrorSharingViolation;
    }
    if ((it->second.attributes & kAttributeReadOnly) != 0) {
        return kErrorAccessDenied;
    }
    files_.erase(it);
    return kErrorSuccess;
}

WinError FakeMachine::createDirectory(const std::string& path) {
    if (const WinError e = failure("Files.createDirectory")) {
        return e;
    }
    const std::string k = key(path);
    if (folders_.count(k) != 0 || files_.count(k) != 0) {
        return kErrorAlreadyExists;
    }
    if (folders_.count(parentOf(k)) == 0) {
        return kErrorPathNotFound;
    }
    folders_.insert(k);
    return kErrorSuccess;
}

WinError FakeMachine::removeDirectory(const std::string& path) {
    if (const WinError e = failure("Files.removeDirectory")) {
        return e;
    }
    const std::string k = key(path);
    if (folders_.count(k) == 0) {
        return kErrorFileNotFound;
    }
    for (const auto& [filePath, file] : files_) {
        if (parentOf(filePath) == k) {
            return kErrorDirNotEmpty;
        }
    }
    for (const std::string& folder : folders_) {
        if (parentOf(folder) == k && folder != k) {
            return kErrorDirNotEmpty;
        }
    }
    folders_.erase(k);
    return kErrorSuccess;
}

WinError FakeMachine::moveFile(const std::string& from, const std::string& to,
                               std::uint32_t flags) {
    if (const WinError e = failure("Files.moveFile")) {
        return e;
    }
    if ((flags & kMoveDelayUntilReboot) != 0) {
        pendingMoves_.push_back({from, to});
        return kErrorSuccess;
    }
    const auto it = files_.find(key(from));
    if (it == files_.end()) {
        return kErrorFileNotFound;
    }
    if (locked_.count(key(from)) != 0) {
        return kErrorSharingViolation;
    }
    if (files_.count(key(to)) != 0 && (flags & kMoveReplaceExisting) == 0) {
        return kErrorAlreadyExists;
    }
    FakeFile moved = it->second;
    moved.path = to;
    files_.erase(it);
    files_[key(to)] = moved;
    return kErrorSuccess;
}

Outcome<std::string> FakeMachine::shortPathName(const std::string& path) {
    if (const WinError e = failure("Files.shortPathName")) {
        return failed<std::string>(e);
    }
    const auto it = files_.find(key(path));
    if (it == files_.end()) {
        return failed<std::string>(kErrorFileNotFound);
    }
    return it->second.shortPath.empty() ? it->second.path : it->second.shortPath;
}

Outcome<std::string> FakeMachine::versionValue(const std::string& path,
                                               const std::string& subBlock) {
    if (const WinError e = failure("Files.versionValue")) {
        return failed<std::string>(e);
    }
    const auto it = files_.find(key(path));
    if (it == files_.end()) {
        return failed<std::string>(kErrorFileNotFound);
    }
    if (it->second.versionValues.empty()) {
        return failed<std::string>(kErrorResourceTypeNotFound);
    }
    const auto value = it->second.versionValues.find(subBlock);
    if (value == it->second.versionValues.end()) {
        return failed<std::string>(kErrorResourceDataNotFound);
    }
    return value->second;
}

Outcome<std::unique_ptr<TextFileWriter>> FakeMachine::createTextFile(const std::string& path) {
    using Result = Outcome<std::unique_ptr<TextFileWriter>>;
    if (const WinError e = failure("Files.createTextFile")) {
        return Result::failure(e);
    }
    const std::string k = key(path);
    if (folders_.count(parentOf(k)) == 0) {
        return Result::failure(kErrorPathNotFound);
    }
    if (folders_.count(k) != 0 || locked_.count(k) != 0 ||
        (files_.count(k) != 0 && (files_[k].attributes & kAttributeReadOnly) != 0)) {
        return Result::failure(kErrorAccessDenied);
    }
    FakeFile& file = files_[k];
    if (file.path.empty()) {
        file.path = path;  // a new file takes the name as given
    }
    file.content.clear();
    return Result(std::make_unique<Writer>(*this, k));
}

// --- profiles ---------------------------------------------------------------------------

std::string FakeMachine::readString(const std::string& file, const std::string& section,
                                    const std::string& name, const std::string& fallback,
                                    std::size_t bufferSize) {
    std::string result = fallback;
    if (fileExists(file) && failure("Profiles.readString") == kErrorSuccess) {
        const auto sections = parseIni(fileContent(file));
        if (const IniSection* s = findSection(sections, section)) {
            for (const IniEntry& entry : s->entries) {
                if (entry.value && equalNoCaseAscii(entry.key, name)) {
                    result = stripQuotes(*entry.value);
                    break;
                }
            }
        }
    }
    if (bufferSize == 0) {
        return {};
    }
    if (result.size() > bufferSize - 1) {
        result.resize(bufferSize - 1);
    }
    return result;
}

std::vector<std::string> FakeMachine::readSection(const std::string& file,
                                                  const std::string& section,
                                                  std::size_t bufferSize) {
    std::vector<std::string> lines;
    if (!fileExists(file) || failure("Profiles.readSection") != kErrorSuccess) {
        return lines;
    }
    const auto sections = parseIni(fileContent(file));
    if (const IniSection* s = findSection(sections, section)) {
        for (const IniEntry& entry : s->entries) {
            lines.push_back(entry.value ? entry.key + "=" + *entry.value : entry.key);
        }
    }
    return fitting(lines, bufferSize);
}

std::vector<std::string> FakeMachine::readKeyNames(const std::string& file,
                                                   const std::string& section,
                                                   std::size_t bufferSize) {
    std::vector<std::string> names;
    if (!fileExists(file) || failure("Profiles.readKeyNames") != kErrorSuccess) {
        return names;
    }
    const auto sections = parseIni(fileContent(file));
    if (const IniSection* s = findSection(sections, section)) {
        for (const IniEntry& entry : s->entries) {
            names.push_back(entry.key);
        }
    }
    return fitting(names, bufferSize);
}

bool FakeMachine::writeString(const std::string& file, const std::string& section,
                              const std::string& name, const std::string& value) {
    if (failure("Profiles.writeString") != kErrorSuccess) {
        return false;
    }
    const std::string k = key(file);
    if (folders_.count(parentOf(k)) == 0) {
        return false;
    }
    addFile(file, iniWithValue(fileContent(file), section, name, value),
            fileExists(file) ? fileAttributes(file) : kAttributeArchive);
    return true;
}

// --- processes, mutexes, windows, services ----------------------------------------------

Outcome<std::vector<std::string>> FakeMachine::mainModuleNames(std::size_t maxProcesses) {
    if (const WinError e = failure("Processes.mainModuleNames")) {
        return failed<std::vector<std::string>>(e);
    }
    if (processStatusLibraryMissing) {
        return failed<std::vector<std::string>>(kErrorProcNotFound);
    }
    std::vector<std::string> names = processModules;
    if (names.size() > maxProcesses) {
        names.resize(maxProcesses);
    }
    return names;
}

Outcome<OwnedHandle> FakeMachine::openMutex(const std::string& name) {
    if (const WinError e = failure("Mutexes.openMutex")) {
        return failed<OwnedHandle>(e);
    }
    if (!mutexExists(name)) {
        return failed<OwnedHandle>(kErrorFileNotFound);
    }
    ++mutexRefs_[name];
    return open(OpenHandle::Kind::Mutex, name);
}

Outcome<OwnedHandle> FakeMachine::createMutex(const std::string& name, bool) {
    if (const WinError e = failure("Mutexes.createMutex")) {
        return failed<OwnedHandle>(e);
    }
    ++mutexRefs_[name];
    return open(OpenHandle::Kind::Mutex, name);
}

WindowRef FakeMachine::addWindow(const std::string& className, const std::string& title,
                                 WindowRef owner, WindowRef parent) {
    const WindowRef id = 0x1000 + windows_.size() * 4;
    windows_.push_back({id, className, title, owner, parent});
    return id;
}

WindowRef FakeMachine::findWindow(const std::optional<std::string>& className,
                                  const std::optional<std::string>& title) {
    if (failure("Desktop.findWindow") != kErrorSuccess) {
        return kNoWindow;
    }
    for (const FakeWindow& window : windows_) {
        if (window.parent != kNoWindow) {
            continue;  // top-level windows only
        }
        if ((!className || equalNoCaseAscii(*className, window.className)) &&
            (!title || *title == window.title)) {
            return window.id;
        }
    }
    return kNoWindow;
}

std::intptr_t FakeMachine::sendMessage(WindowRef window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) {
    if (failure("Desktop.sendMessage") != kErrorSuccess) {
        return 0;
    }
    sent_.push_back({window, message, wParam, lParam});
    return 0;
}

bool FakeMachine::postMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
    if (failure("Desktop.postMessage") != kErrorSuccess) {
        return false;
    }
    sent_.push_back({window, message, wParam, lParam});
    return true;
}

WindowRef FakeMachine::ownerOrParent(WindowRef window) {
    if (failure("Desktop.ownerOrParent") != kErrorSuccess) {
        return kNoWindow;
    }
    for (const FakeWindow& w : windows_) {
        if (w.id == window) {
            return w.owner != kNoWindow ? w.owner : w.parent;
        }
    }
    return kNoWindow;
}

WindowRef FakeMachine::foregroundWindow() {
    return failure("Desktop.foregroundWindow") != kErrorSuccess ? kNoWindow : foreground;
}

Outcome<std::vector<ServiceEntry>> FakeMachine::activeDependents(const std::string& name) {
    if (const WinError e = failure("Services.activeDependents")) {
        return failed<std::vector<ServiceEntry>>(e);
    }
    std::vector<ServiceEntry> result;
    for (const auto& [serviceName, service] : services) {
        const bool depends = std::any_of(
            service.dependsOn.begin(), service.dependsOn.end(),
            [&](const std::string& d) { return equalNoCaseAscii(d, name); });
        if (depends && service.state != ServiceState::Stopped) {
            result.push_back({serviceName, serviceName, service.state});
        }
    }
    return result;
}

Outcome<ServiceState> FakeMachine::queryState(const std::string& name) {
    if (const WinError e = failure("Services.queryState")) {
        return failed<ServiceState>(e);
    }
    const auto it = services.find(name);
    if (it == services.end()) {
        return failed<ServiceState>(kErrorServiceDoesNotExist);
    }
    return it->second.state;
}

WinError FakeMachine::start(const std::string& name) {
    if (const WinError e = failure("Services.start")) {
        return e;
    }
    const auto it = services.find(name);
    if (it == services.end()) {
        return kErrorServiceDoesNotExist;
    }
    it->second.state = ServiceState::Running;
    return kErrorSuccess;
}

WinError FakeMachine::stop(const std::string& name) {
    if (const WinError e = failure("Services.stop")) {
        return e;
    }
    const auto it = services.find(name);
    if (it == services.end()) {
        return kErrorServiceDoesNotExist;
    }
    if (it->second.state == ServiceState::Stopped) {
        return kErrorServiceNotActive;
    }
    it->second.state = ServiceState::Stopped;
    return kErrorSuccess;
}

WinError FakeMachine::remove(const std::string& name) {
    if (const WinError e = failure("Services.remove")) {
        return e;
    }
    return services.erase(name) != 0 ? kErrorSuccess : kErrorServiceDoesNotExist;
}

// --- platform ---------------------------------------------------------------------------

Outcome<OsVersion> FakeMachine::osVersion() {
    if (versionUnavailable) {
        return failed<OsVersion>(kErrorCallNotImplemented);
    }
    if (const WinError e = failure("Platform.osVersion")) {
        return failed<OsVersion>(e);
    }
    switch (platformClass) {
    case PlatformClass::Win95: return OsVersion{kPlatformWindows, 4, 0, 950};
    case PlatformClass::Win98: return OsVersion{kPlatformWindows, 4, 10, 2222};
    case PlatformClass::WinMe: return OsVersion{kPlatformWindows, 4, 90, 3000};
    case PlatformClass::Nt4: return OsVersion{kPlatformNt, 4, 0, 1381};
    case PlatformClass::Win2000: return OsVersion{kPlatformNt, 5, 0, 2195};
    case PlatformClass::WinXp: return OsVersion{kPlatformNt, 5, 1, 2600};
    case PlatformClass::Win2003: return OsVersion{kPlatformNt, 5, 2, 3790};
    case PlatformClass::Nt6: return OsVersion{kPlatformNt, 6, 1, 7601};
    }
    return OsVersion{};
}

bool FakeMachine::versionIsNt() const {
    return platformClass != PlatformClass::Win95 && platformClass != PlatformClass::Win98 &&
           platformClass != PlatformClass::WinMe;
}

Outcome<bool> FakeMachine::isWow64Process() {
    if (!wow64QueryAvailable) {
        return failed<bool>(kErrorProcNotFound);
    }
    if (const WinError e = failure("Platform.isWow64Process")) {
        return failed<bool>(e);
    }
    return windows64;
}

Outcome<std::vector<TokenGroup>> FakeMachine::tokenGroups() {
    if (!versionIsNt()) {
        return failed<std::vector<TokenGroup>>(kErrorCallNotImplemented);
    }
    if (const WinError e = failure("Platform.tokenGroups")) {
        return failed<std::vector<TokenGroup>>(e);
    }
    return groups;
}

// --- texts, boxes -----------------------------------------------------------------------

bool FakeMachine::isLeadByte(unsigned char byte) {
    return codePage == CodePage::Japanese932 && isJapaneseLeadByte(static_cast<char>(byte));
}

std::string FakeMachine::loadString(unsigned id) {
    if (failure("TextServices.loadString") != kErrorSuccess) {
        return {};
    }
    const auto it = strings.find(id);
    return it == strings.end() ? std::string() : it->second;
}

// The system formatter's rules for the inserts the uninstaller uses: %1..%99 (a "!fmt!"
// after the number is skipped: every argument is a string), %0 ends the text, %n %r %t %b,
// %% and "%" before other characters; line ends in the pattern become CR LF.
Outcome<std::string> FakeMachine::formatMessage(const std::string& pattern,
                                                const std::vector<std::string>& arguments,
                                                std::size_t maxBytes) {
    if (const WinError e = failure("TextServices.formatMessage")) {
        return failed<std::string>(e);
    }
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < pattern.size() && pattern[i + 1] == '\n') {
                ++i;
            }
            out += "\r\n";
            continue;
        }
        if (c != '%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[++i];
        if (next >= '1' && next <= '9') {
            std::size_t number = static_cast<std::size_t>(next - '0');
            if (i + 1 < pattern.size() && pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
                number = number * 10 + static_cast<std::size_t>(pattern[++i] - '0');
            }
            if (i + 1 < pattern.size() && pattern[i + 1] == '!') {
                const std::size_t close = pattern.find('!', i + 2);
                i = close == std::string::npos ? pattern.size() : close;
            }
            if (number > arguments.size()) {
                return failed<std::string>(kErrorInvalidParameter);
            }
            out += arguments[number - 1];
        } else if (next == '0') {
            break;
        } else if (next == 'n') {
            out += "\r\n";
        } else if (next == 'r') {
            out += '\r';
        } else if (next == 't') {
            out += '\t';
        } else if (next == 'b') {
            out += ' ';
        } else {
            out += next;
        }
    }
    if (out.size() + 1 > maxBytes) {
        return failed<std::string>(kErrorInsufficientBuffer);
    }
    return out;
}

int FakeMachine::show(WindowRef owner, const std::string& text, const std::string& title,
                      std::uint32_t type) {
    if (failure("MessageBoxes.show") != kErrorSuccess) {
        return 0;  // the box could not be shown
    }
    shown_.push_back({owner, text, title, type});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return (type & 0x0F) == kBoxYesNo ? kAnswerYes : kAnswerOk;
}

}  // namespace zrt::un::testing
