#include "app/printing/PrintTextHeightCache.h"

#include <functional>

void CPrintTextHeightCache::MakeKey(std::string& key, int width, std::string_view text)
{
    key.assign(reinterpret_cast<const char*>(&width), sizeof width);
    key.append(text);
}

CPrintTextHeightCache::Shard& CPrintTextHeightCache::ShardOf(const std::string& key)
{
    return m_shards[std::hash<std::string>{}(key) % m_shards.size()];
}

bool CPrintTextHeightCache::Find(const std::string& key, int& height)
{
    Shard& shard = ShardOf(key);
    const std::lock_guard<std::mutex> lock(shard.guard);
    const auto found = shard.heights.find(key);
    if (found == shard.heights.end()) {
        return false;
    }
    height = found->second;
    return true;
}

void CPrintTextHeightCache::Keep(const std::string& key, int height)
{
    Shard& shard = ShardOf(key);
    const std::lock_guard<std::mutex> lock(shard.guard);
    shard.heights.emplace(key, height);
}
