#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <tuple>

namespace corvalen {

// The registry root the about box reads below, and the value types it
// tells apart.
constexpr quint32 HKeyLocalMachine = 0x80000002;
constexpr quint32 RegSz = 1;
constexpr quint32 RegDword = 4;

// A value as the registry's ANSI interface hands it over: text in code
// page 936 with its terminating NUL, a DWORD as four little-endian bytes.
struct RegistryValue
{
    quint32 type = 0;
    QByteArray data;
};

// Read access to a registry; the about box looks for the system-information
// program through it.
class RegistryReader
{
public:
    virtual ~RegistryReader() = default;
    virtual bool hasKey(quint32 root, const QString &key) const = 0;
    // Empty when the key or the value does not exist.
    virtual std::optional<RegistryValue> value(quint32 root, const QString &key,
                                               const QString &name) const = 0;
};

// A registry held in memory, filled by its user.
class MemoryRegistry : public RegistryReader
{
public:
    void setValue(quint32 root, const QString &key, const QString &name, RegistryValue value);
    bool hasKey(quint32 root, const QString &key) const override;
    std::optional<RegistryValue> value(quint32 root, const QString &key,
                                       const QString &name) const override;

private:
    using Path = std::tuple<quint32, QString, QString>;
    std::map<Path, RegistryValue> m_values;
};

// This desktop has no registry: the key that names the system-information
// program holds, as value "PATH", the first program of systemInfoPrograms()
// found on PATH. Without one, no key exists.
class DesktopRegistry : public RegistryReader
{
public:
    bool hasKey(quint32 root, const QString &key) const override;
    std::optional<RegistryValue> value(quint32 root, const QString &key,
                                       const QString &name) const override;
};
QStringList systemInfoPrograms();

// Text in the registry's code page, with its terminating NUL, and back.
QByteArray registryText(const QString &text);
QString fromRegistryText(const QByteArray &data);

// Reads value `subKeyRef` of key `keyName` below `keyRoot` into `keyVal`:
// a string as its text, a DWORD as "&h" and eight upper-case hex digits;
// another type leaves `keyVal` as passed in. A missing key or value, or data
// beyond the 1024-byte buffer, gives False and an empty `keyVal`.
bool GetKeyValue(const RegistryReader &registry, quint32 keyRoot, const QString &keyName,
                 const QString &subKeyRef, QString &keyVal);

} // namespace corvalen
