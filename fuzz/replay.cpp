// Runs the random user without libFuzzer, under any compiler: on the files
// and folders given (the committed seeds), then on RANDOM_USER_INPUTS
// inputs of random steps (200 unless told), from a fixed seed, so that every
// run plays the same steps.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" std::size_t RandomUserSteps();

int main(int argc, char* argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            files.emplace_back(argv[i]);
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        std::printf("%s\n", file.c_str());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    const char* count = std::getenv("RANDOM_USER_INPUTS");
    const int inputs = count != nullptr ? std::atoi(count) : 200;
    std::mt19937 random(20261207);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t before = RandomUserSteps();
    for (int input = 0; input < inputs; ++input) {
        std::vector<std::uint8_t> bytes(random() % 512);
        for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::size_t steps = RandomUserSteps() - before;
    std::printf("%zu seeds, then %d random inputs: %zu steps in %.1f s, %.0f steps a second\n", files.size(), inputs, steps,
                seconds, steps / seconds);
    return 0;
}
