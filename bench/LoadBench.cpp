// Loading a large record file: our loader beside a getline + sscanf baseline and a
// plain read() of the same file, then what refreshes read. Usage: norv2_load_bench FILE [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "MedianTime.h"
#include "core/record/RecordBook.h"
#include "core/record/RecordFile.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

namespace {
std::size_t PlainRead(const std::string& path, std::vector<char>& buffer)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::size_t total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
        total += static_cast<std::size_t>(n);
    ::close(fd);
    return total;
}

// The obvious loader: one std::string per line, the C library's sscanf, the same aggregation.
int BaselineLoad(const std::string& path, CRecordBook& book)
{
    std::ifstream in(path, std::ios::binary);
    in.seekg(0, std::ios::end);
    const auto nLines = static_cast<long long>(in.tellg()) / CRecordFile::kRecordBytes;
    in.seekg(0);
    const std::string format = LoadString(IDS_LINE_FORMAT);
    std::string line;
    for (long long i = 0; i < nLines; ++i) {
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() != 44)
            return line.size() > 44 ? IDP_LINE_TOO_LONG : IDP_LINE_TOO_SHORT;
        ScannedLine f;
        if (std::sscanf(line.c_str(), format.c_str(), &f.cMark, &f.nYear, &f.nMonth, &f.nDay, &f.nHour, &f.nMinute,
                        &f.nSecond, &f.nHit, &f.nMiss) != 9)
            return IDP_BAD_FIELDS;
        if (const int nCode = book.StoreRun(f))
            return nCode;
    }
    return 0;
}

std::size_t Checksum(const CRecordBook& book)
{
    std::size_t sum = 0;
    for (const Category k : kCategories)
        if (const CDayList* list = book.GetList(k))
            for (const CDayRecord& day : *list)
                sum += static_cast<std::size_t>(day.m_nTotalHit) * 31 + static_cast<std::size_t>(day.m_nTry);
    return sum;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s RECORD_FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const int nRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    std::vector<char> buffer(1 << 20);
    const std::size_t nBytes = PlainRead(path, buffer); // also brings the file into the page cache
    std::size_t ourSum = 0, baseSum = 0;
    LoadOutcome ourOutcome = LoadOutcome::Loaded;
    int baseCode = 0;
    int nLines = 0;

    const double readMs = MedianMs(nRuns, [&] { PlainRead(path, buffer); });
    // Each run loads into a fresh book, kept until the end so that no run pays for freeing one.
    std::vector<std::unique_ptr<CRecordBook>> ours, freeStore, base;
    const double ourMs = MedianMs(nRuns, [&] {
        ours.push_back(std::make_unique<CRecordBook>());
        CRecordFile file;
        ourOutcome = file.Load(path, *ours.back(), nullptr).outcome;
        nLines = file.GetLineCount();
    });
    // The same loader with the day records on the free store instead of the book's arena.
    const double freeStoreMs = MedianMs(nRuns, [&] {
        freeStore.push_back(std::make_unique<CRecordBook>(CRecordBook::EMemory::FreeStore));
        CRecordFile file;
        (void)file.Load(path, *freeStore.back(), nullptr);
    });
    const double baseMs = MedianMs(std::max(1, nRuns / 2), [&] {
        base.push_back(std::make_unique<CRecordBook>());
        baseCode = BaselineLoad(path, *base.back());
    });
    ourSum = Checksum(*ours.back());
    baseSum = Checksum(*base.back());

    std::printf("file: %s (%zu bytes, %d records), median of %d runs, page cache warm\n", path.c_str(), nBytes, nLines,
                nRuns);
    std::printf("%-34s %10.1f ms\n", "plain read() into a reused buffer", readMs);
    const double nsPerRecord = 1e6 / std::max(1, nLines);
    std::printf("%-34s %10.1f ms (%.1f ns a record)\n", "Norv2 loader", ourMs, ourMs * nsPerRecord);
    std::printf("%-34s %10.1f ms (%.1f ns a record)\n", "  without the day arena", freeStoreMs,
                freeStoreMs * nsPerRecord);
    std::printf("%-34s %10.1f ms (%.1f ns a record)\n", "baseline getline + sscanf", baseMs, baseMs * nsPerRecord);
    std::printf("speed-up over the baseline: %.1fx (goal: at least 15x)\n", baseMs / ourMs);
    std::printf("loader / plain read: %.2fx (goal: at most 4x)\n", ourMs / readMs);
    if (ourOutcome != LineOutcome(baseCode) || ourSum != baseSum || Checksum(*freeStore.back()) != ourSum) {
        std::printf("MISMATCH: loader outcome %d sum %zu, baseline code %d sum %zu\n", static_cast<int>(ourOutcome),
                    ourSum, baseCode, baseSum);
        return 1;
    }

    // Refresh, on a copy that can grow: unchanged, then one appended record.
    const std::string copy = path + ".refresh-copy";
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    CRecordBook book;
    CRecordFile file;
    if (!file.Load(copy, book, nullptr).IsLoaded())
        return 1;
    auto before = file.GetBytesRead();
    const auto unchanged = file.Refresh(book);
    std::printf("refresh of the unchanged file read %llu bytes (goal: 0), result %d\n",
                static_cast<unsigned long long>(file.GetBytesRead() - before),
                static_cast<int>(unchanged.result.outcome));
    std::ofstream(copy, std::ios::binary | std::ios::app) << "A 2040-01-01  12:00:00   HIT: 999  MISS:   0\r\n";
    before = file.GetBytesRead();
    const auto result = file.Refresh(book);
    std::printf("refresh after one appended record read %llu bytes (goal: 46), result %d\n",
                static_cast<unsigned long long>(file.GetBytesRead() - before), static_cast<int>(result.result.outcome));
    std::filesystem::remove(copy);
    return 0;
}
