// Speed of taking a 12-megapixel camera photo with three shapes into a list: copy, decode,
// drawing, reductions and the two JPEGs, on one core; beside it the whole-decoding registration
// it replaced.
#include "foundation/bench/CameraPhoto.h"
#include "list/bench/WholeDecodeRegistration.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "support/FakeListHost.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <time.h>

namespace {

// <chrono> cannot be compiled with the CP932 execution character set, so the clock is read
// directly: the processor time of this thread, which leaves out waiting for the disk.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Three shapes as the editor writes them: a framed box, an arrow and a caption.
constexpr char kThreeShapes[] =
    "; Zantoby 2.108.0 Drawing Data\n"
    "photo\n"
    "selected\n"
    "box,ps.x1=400,ps.y1=300,ps.x2=1600,ps.y2=1200,bd.w=12,bd.c=255,bk.c=-1,sd.x=10,sd.y=10,sd.c=0,sd.s=0\n"
    "line,ps=2000:2400,ps=1650:1250,ar=120:25:1,ar=0:0:0,bd.w=10,bd.c=255,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
    "text,ps=2000:2450,ft.nm='ＭＳ ゴシック',ft.sz=60:120,rp=0,bo,tx.c=16777215,sd.x=4,sd.y=4,sd.c=0,sd.s=0,"
    "tx='傷あり'\n";

// The registration of a list, or the whole-decoding one it replaced as the baseline.
void RegisterCameraPhotos(benchmark::State& state, bool wholeDecode)
{
    const CString folder = PrivateTempFolder::Get() + "photo-bench";
    std::filesystem::create_directories(FileSystem::ToNative(folder + "/Photo"));
    const CString photo = folder + "/camera.jpg";
    WriteCameraPhoto(photo);
    const CString drawing = folder + "/camera.drw";
    std::ofstream(FileSystem::ToNative(drawing)) << kThreeShapes;

    FakeListHost host;
    auto doc = std::make_unique<CZantobyDoc>(host);
    auto prepare = [&] {
        doc->ResetToNewList();
        doc->listFolder = folder;
        doc->photoFolderName = "Photo";
    };
    prepare();
    const double start = ThreadSeconds();
    for (auto _ : state) {
        if (!doc->HasFreePhotoSlot() || doc->displayCount >= kMaxDisplayRows) {
            state.PauseTiming();
            prepare();
            state.ResumeTiming();
        }
        int slot = wholeDecode ? RegisterWholeDecoded(*doc, photo, drawing)
                               : doc->ImportPhotoImage(photo, -1, drawing, 0);
        if (slot < 0 || !doc->AddPhotoToRow(doc->displayCount - 1, -1, slot, 1)) {
            state.SkipWithError("the photo was not registered");
            break;
        }
        doc->AppendNewRowLine();
    }
    // Per second of wall time (each safe write waits for the disk), and per second of processor
    // time.
    const double photos = static_cast<double>(state.iterations());
    state.counters["photos_per_s"] = benchmark::Counter(photos, benchmark::Counter::kIsRate);
    state.counters["photos_per_cpu_s"] = photos / (ThreadSeconds() - start);
}
void RegisterCameraPhoto(benchmark::State& state)
{
    RegisterCameraPhotos(state, false);
}
BENCHMARK(RegisterCameraPhoto)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void RegisterCameraPhotoWholeDecodeBaseline(benchmark::State& state)
{
    RegisterCameraPhotos(state, true);
}
BENCHMARK(RegisterCameraPhotoWholeDecodeBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace
