#include "foundation/BitmapEx.h"
#include "foundation/bench/CameraPhoto.h"

#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "platform/canvas/ImageOps.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

namespace {

// <chrono> cannot be compiled with the CP932 execution character set (its "µs" suffix), so
// the monotonic clock is read directly.
double Now()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The camera-like photo, made once per run.
const CString& PhotoPath()
{
    static const CString path = [] {
        CString file = PrivateTempFolder::Get() + "photo.jpg";
        WriteCameraPhoto(file);
        return file;
    }();
    return path;
}

double Seconds(double since)
{
    return Now() - since;
}

void Run(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    int status = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("cannot run " + arguments[0]);
    }
}

// Load the photo, reduce it to 640 x 480 and save it at quality 80; beside it, the same work
// done by libjpeg-turbo's own tools: djpeg decoding the photo (its output thrown away) and
// cjpeg compressing a 640 x 480 picture at quality 80.
void LoadReduceSave(benchmark::State& state)
{
    const CString& photo = PhotoPath();
    CString saved = PrivateTempFolder::Get() + "small.jpg";
    std::string ppm = (PrivateTempFolder::Get() + "small.ppm").GetString();
    std::string toolOut = (PrivateTempFolder::Get() + "tool.jpg").GetString();
    {
        CBitmapEx loaded;
        loaded.LoadJpeg(photo);
        CBitmapEx small;
        static_cast<Bitmap&>(small) = ImageOps::AreaAverage(loaded, 640, 480);
        small.SaveJpeg(PrivateTempFolder::Get() + "seed.jpg", 100);
        Run({"djpeg", "-outfile", ppm, (PrivateTempFolder::Get() + "seed.jpg").GetString()});
    }
    double ours = 0;
    double tools = 0;
    for (auto _ : state) {
        double start = Now();
        CBitmapEx loaded;
        if (!loaded.LoadJpeg(photo)) {
            state.SkipWithError("load failed");
            break;
        }
        CBitmapEx small;
        static_cast<Bitmap&>(small) = ImageOps::AreaAverage(loaded, 640, 480);
        if (!small.SaveJpeg(saved, 80)) {
            state.SkipWithError("save failed");
            break;
        }
        double elapsed = Seconds(start);
        ours += elapsed;
        state.SetIterationTime(elapsed);

        start = Now();
        Run({"djpeg", "-outfile", "/dev/null", photo.GetString()});
        Run({"cjpeg", "-quality", "80", "-outfile", toolOut, ppm});
        tools += Seconds(start);
    }
    auto iterations = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = ours * 1000 / iterations;
    state.counters["djpeg_cjpeg_ms"] = tools * 1000 / iterations;
    state.counters["ratio"] = tools > 0 ? ours / tools : 0;
}
BENCHMARK(LoadReduceSave)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3);

void LoadJpeg(benchmark::State& state)
{
    const CString& photo = PhotoPath();
    for (auto _ : state) {
        CBitmapEx loaded;
        benchmark::DoNotOptimize(loaded.LoadJpeg(photo));
    }
}
BENCHMARK(LoadJpeg)->UseRealTime()->Unit(benchmark::kMillisecond);

void DjpegOnly(benchmark::State& state)
{
    const CString& photo = PhotoPath();
    for (auto _ : state) {
        Run({"djpeg", "-outfile", "/dev/null", photo.GetString()});
    }
}
BENCHMARK(DjpegOnly)->UseRealTime()->Unit(benchmark::kMillisecond);

void ReduceTo640(benchmark::State& state)
{
    CBitmapEx loaded;
    loaded.LoadJpeg(PhotoPath());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ImageOps::AreaAverage(loaded, 640, 480));
    }
}
BENCHMARK(ReduceTo640)->UseRealTime()->Unit(benchmark::kMillisecond);

void SaveSmallJpeg(benchmark::State& state)
{
    CBitmapEx loaded;
    loaded.LoadJpeg(PhotoPath());
    CBitmapEx small;
    static_cast<Bitmap&>(small) = ImageOps::AreaAverage(loaded, 640, 480);
    CString saved = PrivateTempFolder::Get() + "small-only.jpg";
    for (auto _ : state) {
        benchmark::DoNotOptimize(small.SaveJpeg(saved, 80));
    }
}
BENCHMARK(SaveSmallJpeg)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
