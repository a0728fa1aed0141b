// SPDX-License-Identifier: GPL-3.0-or-later
// Decoder throughput: TLZH against a plain C rendering of the classic LZHUF
// decoder (kept here as the yardstick), on a few MB of varied data.
//
// Old and new decoder in the same run (2 shared cores):
//   callgrind, one decode: TLZH::DecodePacked 273.6 M -> 248.7 M instructions,
//   the reference 311.1 M (reference / TLZH: 1.14x -> 1.25x)
//   CPU: DecodePacked 31.0 / 30.3 ms -> 27.8 / 27.5 ms; reference 32.3-36.2 ms
// The bit buffer is filled eight bytes at a time from memory and a match is
// copied without a bound check per byte; what is left is the adaptive tree's
// walk (a bit per level) and its update after every symbol.
#include "skin/archive/LZH.h"
#include "tools/skinpack/LzhEncoder.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

namespace {

// ---- Plain C reference: the classic algorithm, byte-at-a-time I/O ----------
// Kept in its C form on purpose (it is the yardstick), so clang-tidy and the
// C++-only warnings skip it.
// NOLINTBEGIN
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wsign-conversion"

enum {
    REF_N = 4096,
    REF_F = 60,
    REF_THRESHOLD = 2,
    REF_N_CHAR = 256 - REF_THRESHOLD + REF_F,
    REF_T = REF_N_CHAR * 2 - 1,
    REF_R = REF_T - 1,
    REF_MAX_FREQ = 0x8000
};

struct RefDecoder {
    const unsigned char* in;
    size_t inPos, inLen;
    unsigned char* out;
    size_t outPos;
    unsigned short getbuf;
    unsigned getlen;
    unsigned short freq[REF_T + 1];
    unsigned short prnt[REF_T + REF_N_CHAR];
    unsigned short son[REF_T];
    unsigned char text_buf[REF_N + REF_F - 1];
    unsigned char d_code[256], d_len[256];
};

static int ref_getc(RefDecoder* d) {
    return d->inPos < d->inLen ? d->in[d->inPos++] : -1;
}

static int ref_getbit(RefDecoder* d) {
    while (d->getlen <= 8) {
        int i = ref_getc(d);
        if (i < 0)
            i = 0;
        d->getbuf = (unsigned short)(d->getbuf | (i << (8 - d->getlen)));
        d->getlen += 8;
    }
    unsigned i = d->getbuf;
    d->getbuf = (unsigned short)(d->getbuf << 1);
    d->getlen--;
    return (int)((i >> 15) & 1);
}

static int ref_getbyte(RefDecoder* d) {
    while (d->getlen <= 8) {
        int i = ref_getc(d);
        if (i < 0)
            i = 0;
        d->getbuf = (unsigned short)(d->getbuf | (i << (8 - d->getlen)));
        d->getlen += 8;
    }
    unsigned i = d->getbuf;
    d->getbuf = (unsigned short)(d->getbuf << 8);
    d->getlen -= 8;
    return (int)(i >> 8);
}

static void ref_tables(RefDecoder* d) {
    static const int counts[6] = {1, 3, 8, 12, 24, 16};
    int b = 0, code = 0;
    for (int g = 0; g < 6; g++)
        for (int n = 0; n < counts[g]; n++, code++)
            for (int k = 0; k < (1 << (5 - g)); k++, b++) {
                d->d_code[b] = (unsigned char)code;
                d->d_len[b] = (unsigned char)(3 + g);
            }
}

static void ref_start(RefDecoder* d) {
    int i, j;
    for (i = 0; i < REF_N_CHAR; i++) {
        d->freq[i] = 1;
        d->son[i] = (unsigned short)(i + REF_T);
        d->prnt[i + REF_T] = (unsigned short)i;
    }
    for (i = 0, j = REF_N_CHAR; j <= REF_R; i += 2, j++) {
        d->freq[j] = (unsigned short)(d->freq[i] + d->freq[i + 1]);
        d->son[j] = (unsigned short)i;
        d->prnt[i] = d->prnt[i + 1] = (unsigned short)j;
    }
    d->freq[REF_T] = 0xffff;
    d->prnt[REF_R] = 0;
}

static void ref_reconst(RefDecoder* d) {
    int i, j, k;
    unsigned f;
    for (i = 0, j = 0; i < REF_T; i++)
        if (d->son[i] >= REF_T) {
            d->freq[j] = (unsigned short)((d->freq[i] + 1) / 2);
            d->son[j] = d->son[i];
            j++;
        }
    for (i = 0, j = REF_N_CHAR; j < REF_T; i += 2, j++) {
        f = (unsigned)d->freq[i] + d->freq[i + 1];
        for (k = j - 1; f < d->freq[k]; k--)
            ;
        k++;
        memmove(&d->freq[k + 1], &d->freq[k], (size_t)(j - k) * sizeof d->freq[0]);
        d->freq[k] = (unsigned short)f;
        memmove(&d->son[k + 1], &d->son[k], (size_t)(j - k) * sizeof d->son[0]);
        d->son[k] = (unsigned short)i;
    }
    for (i = 0; i < REF_T; i++) {
        k = d->son[i];
        if (k >= REF_T)
            d->prnt[k] = (unsigned short)i;
        else
            d->prnt[k] = d->prnt[k + 1] = (unsigned short)i;
    }
}

static void ref_update(RefDecoder* d, int c) {
    int i, j, l;
    unsigned k;
    if (d->freq[REF_R] == REF_MAX_FREQ)
        ref_reconst(d);
    c = d->prnt[c + REF_T];
    do {
        k = ++d->freq[c];
        if (k > d->freq[l = c + 1]) {
            while (k > d->freq[++l])
                ;
            l--;
            d->freq[c] = d->freq[l];
            d->freq[l] = (unsigned short)k;
            i = d->son[c];
            d->prnt[i] = (unsigned short)l;
            if (i < REF_T)
                d->prnt[i + 1] = (unsigned short)l;
            j = d->son[l];
            d->son[l] = (unsigned short)i;
            d->prnt[j] = (unsigned short)c;
            if (j < REF_T)
                d->prnt[j + 1] = (unsigned short)c;
            d->son[c] = (unsigned short)j;
            c = l;
        }
    } while ((c = d->prnt[c]) != 0);
}

static int ref_decode_char(RefDecoder* d) {
    unsigned c = d->son[REF_R];
    while (c < REF_T)
        c = d->son[c + (unsigned)ref_getbit(d)];
    c -= REF_T;
    ref_update(d, (int)c);
    return (int)c;
}

static int ref_decode_position(RefDecoder* d) {
    unsigned i = (unsigned)ref_getbyte(d);
    unsigned c = (unsigned)d->d_code[i] << 6;
    int j = d->d_len[i] - 2;
    while (j--)
        i = (i << 1) + (unsigned)ref_getbit(d);
    return (int)(c | (i & 0x3f));
}

// out must hold textsize + REF_F bytes: a match may run past the stated size.
static size_t ref_decode(RefDecoder* d, const unsigned char* in, size_t inLen, unsigned char* out, size_t textsize) {
    d->in = in;
    d->inPos = 0;
    d->inLen = inLen;
    d->out = out;
    d->outPos = 0;
    d->getbuf = 0;
    d->getlen = 0;
    ref_tables(d);
    ref_start(d);
    memset(d->text_buf, ' ', REF_N - REF_F);
    int r = REF_N - REF_F;
    size_t count = 0;
    while (count < textsize) {
        int c = ref_decode_char(d);
        if (c < 256) {
            out[d->outPos++] = (unsigned char)c;
            d->text_buf[r++] = (unsigned char)c;
            r &= REF_N - 1;
            count++;
        } else {
            int i = (r - ref_decode_position(d) - 1) & (REF_N - 1);
            int j = c - 255 + REF_THRESHOLD;
            for (int k = 0; k < j; k++) {
                c = d->text_buf[(i + k) & (REF_N - 1)];
                out[d->outPos++] = (unsigned char)c;
                d->text_buf[r++] = (unsigned char)c;
                r &= REF_N - 1;
                count++;
            }
        }
    }
    return count;
}

#pragma GCC diagnostic pop
// NOLINTEND

// ---- Data ---------------------------------------------------------------------

using Bytes = std::vector<std::uint8_t>;

// About 4 MB: prose-like text, a 24-bit bitmap with gradients and flat areas,
// random bytes and a run of zeros.
Bytes MixedData() {
    Bytes b;
    std::mt19937 gen(11);
    static const char* words[] = {"caption ",
                                  "frame ",
                                  "[Colours]\r\n",
                                  "ButtonFace=207 207 207\r\n",
                                  "numero ",
                                  "Top=top.bmp\r\n",
                                  "\xCD\xF3\xEC\xE5\xF0\xEE\xEB\xEE\xE3\xE8\xFF "};
    while (b.size() < 1'500'000) {
        const std::string_view w = words[gen() % std::size(words)];
        b.insert(b.end(), w.begin(), w.end());
    }
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const bool flat = (x / 100 + y / 100) % 2 == 0;
            b.push_back(flat ? 207 : static_cast<std::uint8_t>(x / 4));
            b.push_back(flat ? 207 : static_cast<std::uint8_t>(y / 3));
            b.push_back(flat ? 207 : static_cast<std::uint8_t>((x + y) / 6));
        }
    for (int i = 0; i < 500'000; ++i)
        b.push_back(static_cast<std::uint8_t>(gen()));
    b.resize(b.size() + 600'000, 0);
    return b;
}

struct Fixture {
    Bytes input = MixedData();
    Bytes packed = lirem::skinpack::EncodeLzh(input);
};

const Fixture& Data() {
    static const Fixture fixture;
    return fixture;
}

void BM_TLZH_DecodePacked(benchmark::State& state) {
    const Fixture& f = Data();
    Bytes out;
    lirem::skin::TLZH lzh;
    for (auto _ : state) {
        lzh.DecodePacked(f.packed, out);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != f.input)
        state.SkipWithError("TLZH output differs from the input");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.input.size()));
}
BENCHMARK(BM_TLZH_DecodePacked)->Unit(benchmark::kMillisecond);

void BM_TLZH_DecodeStreamCallbacks(benchmark::State& state) {
    const Fixture& f = Data();
    Bytes out;
    out.reserve(f.input.size());
    lirem::skin::TLZH lzh;
    for (auto _ : state) {
        out.clear();
        std::size_t pos = 4;
        lzh.DecodeStream(
            static_cast<std::int32_t>(f.input.size()),
            [&out](const std::uint8_t* d, std::size_t n) { out.insert(out.end(), d, d + n); },
            [&](std::uint8_t* buf, std::size_t want) {
                const std::size_t n = std::min(want, f.packed.size() - pos);
                std::memcpy(buf, f.packed.data() + pos, n);
                pos += n;
                return n;
            });
        benchmark::DoNotOptimize(out.data());
    }
    if (out != f.input)
        state.SkipWithError("TLZH output differs from the input");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.input.size()));
}
BENCHMARK(BM_TLZH_DecodeStreamCallbacks)->Unit(benchmark::kMillisecond);

void BM_PlainC_Reference(benchmark::State& state) {
    const Fixture& f = Data();
    Bytes out(f.input.size() + REF_F);
    auto decoder = std::make_unique<RefDecoder>();
    for (auto _ : state) {
        ref_decode(decoder.get(), f.packed.data() + 4, f.packed.size() - 4, out.data(), f.input.size());
        benchmark::DoNotOptimize(out.data());
    }
    if (!std::equal(f.input.begin(), f.input.end(), out.begin()))
        state.SkipWithError("reference output differs from the input");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.input.size()));
}
BENCHMARK(BM_PlainC_Reference)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
