// The random user without libFuzzer, for ctest under any compiler: the seed files in the folders given (or the
// files given, to play back what the fuzzer found), then
// RANDOM_USER_INPUTS inputs (200 unless told) of random steps from a fixed seed, the same every run.
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
    std::vector<std::vector<std::uint8_t>> inputs;
    const auto read = [&inputs](const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    };
    for (int i = 1; i < argc; ++i) {  // seed folders, or single inputs
        if (!std::filesystem::is_directory(argv[i])) {
            read(argv[i]);
            continue;
        }
        for (const auto& seed : std::filesystem::directory_iterator(argv[i])) read(seed.path());
    }
    std::mt19937 random(20261207);
    for (int n = std::getenv("RANDOM_USER_INPUTS") ? std::atoi(std::getenv("RANDOM_USER_INPUTS")) : 200; n > 0; --n) {
        inputs.emplace_back(random() % 512);
        for (std::uint8_t& byte : inputs.back()) byte = static_cast<std::uint8_t>(random());
    }
    const auto start = std::chrono::steady_clock::now();
    for (const auto& input : inputs) LLVMFuzzerTestOneInput(input.data(), input.size());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu inputs: %zu steps in %.1f s, %.0f a second\n", inputs.size(), RandomUserSteps(), seconds,
                RandomUserSteps() / seconds);
}
