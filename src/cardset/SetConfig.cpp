#include "cardset/SetConfig.h"

#include "cardset/ConfigFile.h"
#include "cardset/EInOutError.h"
#include "cardset/SetDocument.h"
#include "cardset/Windows1252.h"
#include "common/FileNames.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int LengthOffset = 0;
constexpr int TextOffset = 1;

// `folder` may end with its separator (PastaConjunto does): the path shown in
// an error names the file with one.
QString inFolder(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The existence test asks for this spelling; letter case is ignored anyway.
QString askedName(const QString& folder)
{
    return inFolder(folder, QStringLiteral("Set.Cfg"));
}

QString writtenName(const QString& folder)
{
    return inFolder(folder, QLatin1String(ConfigFileName));
}

// The existing file's path as spelt on disk, or empty.
QString existingConfig(const QString& folder)
{
    const QString asked = askedName(folder);
    return FileNames::fileExists(asked) ? FileNames::targetForWrite(asked) : QString();
}

} // namespace

QString AutorText(const TConfigConjunto& config)
{
    // The system never writes a length above 200; a file that holds one is read
    // only as far as the record has room.
    const int length = std::min<int>(config.Autor[LengthOffset], AutorMaxLength);
    return Windows1252::decode(reinterpret_cast<const char*>(config.Autor + TextOffset), length);
}

void SetAutor(TConfigConjunto& config, const QString& name)
{
    const QByteArray bytes = Windows1252::encode(name).left(AutorMaxLength);
    config.Autor[LengthOffset] = static_cast<uint8_t>(bytes.size());
    std::memcpy(config.Autor + TextOffset, bytes.constData(), static_cast<size_t>(bytes.size()));
}

TConfigConjunto ConfigFromBytes(const QByteArray& bytes)
{
    if (bytes.size() < ConfigRecordSize)
        throw EInOutError(EInOutError::ReadBeyondEnd);
    TConfigConjunto config{};
    std::memcpy(config.Autor, bytes.constData(), sizeof config.Autor);
    config.Duplo = static_cast<uint8_t>(bytes[DuploOffset]);
    return config;
}

QByteArray ConfigToBytes(const TConfigConjunto& config)
{
    QByteArray bytes(reinterpret_cast<const char*>(config.Autor), sizeof config.Autor);
    bytes.append(static_cast<char>(config.Duplo));
    return bytes;
}

std::optional<TConfigConjunto> ReadExistingConfig(const QString& folder)
{
    const QString path = existingConfig(folder);
    if (path.isEmpty())
        return std::nullopt;
    try {
        return ConfigFromBytes(ConfigFile::readHead(path, ConfigRecordSize));
    } catch (EInOutError& e) {
        e.NameFile(path); // a file cut short has no reason from the system
        throw;
    }
}

void WriteConfig(const QString& folder, const TConfigConjunto& config)
{
    const QString existing = existingConfig(folder);
    ConfigFile::replace(existing.isEmpty() ? writtenName(folder) : existing, ConfigToBytes(config), existing);
}
