#include "shell/registry_reader.h"

#include "shell/sys_info.h"

#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace corvalen {
namespace {

// Code page 936; GB18030 is its superset and carries every character.
constexpr const char *registryCodec = "GB18030";
// The buffer the value is read into.
constexpr int valueBufferBytes = 1024;

QString firstSystemInfoProgram()
{
    for (const QString &name : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

} // namespace

void MemoryRegistry::setValue(quint32 root, const QString &key, const QString &name,
                              RegistryValue value)
{
    m_values[Path{root, key, name}] = std::move(value);
}

bool MemoryRegistry::hasKey(quint32 root, const QString &key) const
{
    for (const auto &[path, value] : m_values) {
        if (std::get<0>(path) == root && std::get<1>(path) == key)
            return true;
    }
    return false;
}

std::optional<RegistryValue> MemoryRegistry::value(quint32 root, const QString &key,
                                                   const QString &name) const
{
    const auto it = m_values.find(Path{root, key, name});
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

QStringList systemInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"), QStringLiteral("cpu-x"), QStringLiteral("i-nex")};
}

bool DesktopRegistry::hasKey(quint32 root, const QString &key) const
{
    return root == HKeyLocalMachine && key == sysinfo::programKey
           && !firstSystemInfoProgram().isEmpty();
}

std::optional<RegistryValue> DesktopRegistry::value(quint32 root, const QString &key,
                                                    const QString &name) const
{
    if (!hasKey(root, key) || name != sysinfo::programValue)
        return std::nullopt;
    return RegistryValue{RegSz, registryText(firstSystemInfoProgram())};
}

QByteArray registryText(const QString &text)
{
    QStringEncoder encoder(registryCodec);
    QByteArray data = encoder.encode(text);
    data.append('\0');
    return data;
}

QString fromRegistryText(const QByteArray &data)
{
    QStringDecoder decoder(registryCodec);
    return decoder.decode(data);
}

bool GetKeyValue(const RegistryReader &registry, quint32 keyRoot, const QString &keyName,
                 const QString &subKeyRef, QString &keyVal)
{
    if (!registry.hasKey(keyRoot, keyName)) {
        keyVal.clear();
        return false;
    }
    const std::optional<RegistryValue> value = registry.value(keyRoot, keyName, subKeyRef);
    if (!value || value->data.size() > valueBufferBytes) {
        keyVal.clear();
        return false;
    }
    QByteArray data = value->data;
    if (data.endsWith('\0'))
        data.chop(1);
    switch (value->type) {
    case RegSz:
        keyVal = fromRegistryText(data);
        break;
    case RegDword: {
        quint32 number = 0;
        for (int i = 0; i < 4 && i < value->data.size(); ++i)
            number |= quint32(quint8(value->data.at(i))) << (8 * i);
        keyVal = QStringLiteral("&h") + QStringLiteral("%1").arg(number, 8, 16, QLatin1Char('0')).toUpper();
        break;
    }
    default:
        break;  // the caller's text stays
    }
    return true;
}

} // namespace corvalen
