#include "TestFolder.h"

#include "content/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kelvaro {

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists())
        return false;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
        // Plain reads and writes: QFile::copy syncs every file to disk, which makes each
        // test wait on a busy machine.
        QFile in(file);
        QFile out(target);
        if (!QDir().mkpath(QFileInfo(target).path()) || !in.open(QIODevice::ReadOnly) ||
            !out.open(QIODevice::WriteOnly))
            return false;
        const QByteArray bytes = in.readAll();
        if (out.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

} // namespace

TestFolder::TestFolder()
{
    m_valid =
        m_dir.isValid() && copyTree(QStringLiteral(KELVARO_TEST_DATA "/folder"), m_dir.path());
}

QString TestFolder::path(const QString& relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

bool TestFolder::writeBytes(const QString& relative, const QByteArray& bytes)
{
    const QString file = path(relative);
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

bool TestFolder::writeCp936(const QString& relative, const QString& text)
{
    return writeBytes(relative, encodeCp936(text));
}

bool TestFolder::writeRichText(const QString& relative, const QString& text)
{
    const QString file = path(relative);
    return QDir().mkpath(QFileInfo(file).path()) && writeTextFile(file, text).ok();
}

bool TestFolder::remove(const QString& relative)
{
    const QString file = path(relative);
    QFile::remove(file);
    return !QFileInfo::exists(file);
}

bool TestFolder::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}

QString TestFolder::readText(const QString& relative) const
{
    const auto text = readTextFile(path(relative));
    return text ? text.value() : QString();
}

} // namespace kelvaro
