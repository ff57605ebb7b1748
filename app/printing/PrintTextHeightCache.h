#pragma once

#include <array>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

// Heights of texts laid out at widths, shared by the threads that measure one print job's rows:
// a list holds the same texts in many rows, and each is laid out once for the whole job.
class CPrintTextHeightCache
{
  public:
    // False when the text was not measured at that width yet.
    bool Find(const std::string& key, int& height);
    void Keep(const std::string& key, int height);

    // The key of a text at a width.
    static void MakeKey(std::string& key, int width, std::string_view text);

  private:
    struct Shard
    {
        std::mutex guard;
        std::unordered_map<std::string, int> heights;
    };
    Shard& ShardOf(const std::string& key);

    // Threads meet on a shard only when their texts hash alike.
    std::array<Shard, 64> m_shards;
};
