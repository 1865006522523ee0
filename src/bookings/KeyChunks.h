#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <algorithm>
#include <vector>

/// Keys looked up with "IN (?, ?, …)", cut into chunks few enough per statement for every engine's limit on bound
/// values: each chunk's marks and the values they bind.
struct KeyChunk
{
    QString marks;
    QVariantList binds;
};

inline std::vector<KeyChunk> keyChunks(const std::vector<int>& ids, size_t chunk = 500)
{
    std::vector<KeyChunk> chunks;
    for (size_t start = 0; start < ids.size(); start += chunk) {
        QStringList marks;
        KeyChunk c;
        for (size_t i = start; i < std::min(ids.size(), start + chunk); ++i) {
            marks << QStringLiteral("?");
            c.binds << ids[i];
        }
        c.marks = marks.join(u',');
        chunks.push_back(std::move(c));
    }
    return chunks;
}

/// The same, each chunk padded with key 0 (which no row has) to 64 or 500 marks: a statement a server keeps
/// planned (Sql::execKept) is then one of two, whatever the number of keys.
inline std::vector<KeyChunk> paddedKeyChunks(const std::vector<int>& ids)
{
    std::vector<KeyChunk> chunks = keyChunks(ids);
    for (KeyChunk& c : chunks) {
        const qsizetype size = c.binds.size() <= 64 ? 64 : 500;
        while (c.binds.size() < size)
            c.binds << 0;
        c.marks = QStringList(size, QStringLiteral("?")).join(u',');
    }
    return chunks;
}
