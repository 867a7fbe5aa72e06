// Runs a fuzz target without libFuzzer, as an ordinary test: on every file of
// its seed corpus, then on random inputs from a fixed seed. A broken
// invariant aborts. Usage: TARGET CORPUS_FOLDER
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[])
{
    std::vector<std::vector<std::uint8_t>> inputs;
    for (const auto& file : std::filesystem::directory_iterator(argc > 1 ? argv[1] : ".")) {
        std::ifstream in(file.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::mt19937 random(20261206);
    for (int run = 0; run < 20000; ++run) {
        std::vector<std::uint8_t>& bytes = inputs.emplace_back(random() % 400);
        for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random() % 64);  // small bytes pick common paths
    }
    for (const std::vector<std::uint8_t>& input : inputs) LLVMFuzzerTestOneInput(input.data(), input.size());
    std::printf("%zu inputs, no invariant broken\n", inputs.size());
    return 0;
}
