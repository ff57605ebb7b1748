// Speed of the automatic organiser over a folder of 200 camera photos of 12 megapixels, made on
// all cores; beside it, as the baseline, the organiser's former way: one photo after the other,
// each decoded whole.
#include "foundation/bench/CameraPhoto.h"
#include "list/ZantobyDoc.h"
#include "list/bench/WholeDecodeRegistration.h"
#include "photo/batch/AutoPhotoBuilder.h"
#include "photo/batch/IAutoPhotoMonitor.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "platform/WorkerPool.h"
#include "support/FakeListHost.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

constexpr int kPhotos = 200;
constexpr int kPhotosPerRow = 20;

class QuietMonitor : public IAutoPhotoMonitor
{
  public:
    void ShowSearching() override {}
    void ShowPhotoReading(const CString&) override {}
    void ShowPhotoDone(int, int, const CString&, const CString&, int) override {}
    bool IsBuildCancelled() override { return false; }
};

// The camera folder: one photo under 200 names, as the organiser reads each name anew.
CString CameraFolder()
{
    static const CString folder = [] {
        const CString path = PrivateTempFolder::Get() + "organiser-bench";
        std::filesystem::create_directories(FileSystem::ToNative(path));
        const CString first = path + "/IMG_0000.jpg";
        WriteCameraPhoto(first);
        for (int i = 1; i < kPhotos; ++i) {
            CString name;
            name.Format("%s/IMG_%04d.jpg", path.GetString(), i);
            std::filesystem::create_hard_link(FileSystem::ToNative(first), FileSystem::ToNative(name));
        }
        return path;
    }();
    return folder;
}

// One photo after the other, each decoded whole, into rows of twenty.
bool OrganiseOneByOne(CZantobyDoc& doc, const CString& folder)
{
    if (!doc.CreateWorkFolders(CString())) {
        return false;
    }
    CStringArray paths;
    CAutoPhotoBuilder::CollectPhotos(folder, false, paths);
    doc.SwitchUndoOff();
    for (int i = 0; i < paths.GetSize(); ++i) {
        const int slot = RegisterWholeDecoded(doc, paths[i], CString());
        if (slot < 0 || !doc.AddPhotoToRow(doc.displayCount - 1, -1, slot, 0)) {
            return false;
        }
        if ((i + 1) % kPhotosPerRow == 0) {
            doc.AppendNewRowLine();
        }
    }
    doc.SwitchUndoOn();
    return true;
}

void Organise(benchmark::State& state, bool baseline)
{
    const CString folder = CameraFolder();
    FakeListHost host;
    auto doc = std::make_unique<CZantobyDoc>(host);
    doc->tempFolder = PrivateTempFolder::Get();
    QuietMonitor monitor;
    for (auto _ : state) {
        const bool built = baseline ? OrganiseOneByOne(*doc, folder)
                                    : CAutoPhotoBuilder(*doc, monitor).Build(folder, false, kPhotosPerRow);
        state.PauseTiming();
        int photos = 0;
        for (int slot = 0; slot < kPhotos + 1; ++slot) {
            photos += doc->GetPhoto(slot).inUse ? 1 : 0;
        }
        doc->DeleteWorkFolders();
        state.ResumeTiming();
        if (!built || photos != kPhotos) {
            state.SkipWithError("the photos were not all taken in");
            break;
        }
    }
    state.counters["photos_per_s"] =
        benchmark::Counter(static_cast<double>(kPhotos) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["threads"] = baseline ? 1 : WorkerPool::CoreCount();
}

void OrganiseFolder(benchmark::State& state)
{
    Organise(state, false);
}
BENCHMARK(OrganiseFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void OrganiseFolderOneByOneBaseline(benchmark::State& state)
{
    Organise(state, true);
}
BENCHMARK(OrganiseFolderOneByOneBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
