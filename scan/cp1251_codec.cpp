#include "scan/cp1251_codec.h"

#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The characters of the bytes 0x80 to 0xFF, eight bytes a row; the lower
// half is ASCII.
// clang-format off
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201a, 0x0453, 0x201e, 0x2026, 0x2020, 0x2021,
    0x20ac, 0x2030, 0x0409, 0x2039, 0x040a, 0x040c, 0x040b, 0x040f,
    0x0452, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203a, 0x045a, 0x045c, 0x045b, 0x045f,
    0x00a0, 0x040e, 0x045e, 0x0408, 0x00a4, 0x0490, 0x00a6, 0x00a7,
    0x0401, 0x00a9, 0x0404, 0x00ab, 0x00ac, 0x00ad, 0x00ae, 0x0407,
    0x00b0, 0x00b1, 0x0406, 0x0456, 0x0491, 0x00b5, 0x00b6, 0x00b7,
    0x0451, 0x2116, 0x0454, 0x00bb, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041a, 0x041b, 0x041c, 0x041d, 0x041e, 0x041f,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042a, 0x042b, 0x042c, 0x042d, 0x042e, 0x042f,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043a, 0x043b, 0x043c, 0x043d, 0x043e, 0x043f,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044a, 0x044b, 0x044c, 0x044d, 0x044e, 0x044f,
};
// clang-format on

// The character of every byte, ASCII included, so decoding needs no branch.
constexpr std::array<char16_t, 256> allCharacters() {
  std::array<char16_t, 256> characters{};
  for (int b = 0; b < 256; ++b) characters[b] = b < 0x80 ? char16_t(b) : kHighHalf[b - 0x80];
  return characters;
}

constexpr std::array<char16_t, 256> kCharacters = allCharacters();

// The byte of every character that has one, by character; 0 for none (the
// character 0 itself is byte 0). Built once from kCharacters.
struct Encoder {
  std::array<unsigned char, 0x10000> bytes{};
  Encoder() {
    for (int b = 1; b < 256; ++b) bytes[kCharacters[b]] = static_cast<unsigned char>(b);
  }
};

void decodeInto(const char* data, int size, char16_t* out) {
  const unsigned char* in = reinterpret_cast<const unsigned char*>(data);
  int i = 0;
  // Source text is mostly ASCII: such bytes widen as they are, sixteen or
  // eight at a time.
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    if (_mm_movemask_epi8(bytes)) {
      for (int k = 0; k < 16; ++k) out[i + k] = kCharacters[in[i + k]];
    } else {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(bytes, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(bytes, zero));
    }
  }
#endif
  for (; i + 8 <= size; i += 8) {
    quint64 eight;
    std::memcpy(&eight, in + i, 8);
    if (eight & 0x8080808080808080ULL) {
      for (int k = 0; k < 8; ++k) out[i + k] = kCharacters[in[i + k]];
    } else {
      for (int k = 0; k < 8; ++k) out[i + k] = in[i + k];
    }
  }
  for (; i < size; ++i) out[i] = kCharacters[in[i]];
}

}  // namespace

QString decodeCp1251(const char* data, int size) {
  QString text(size, Qt::Uninitialized);
  decodeInto(data, size, reinterpret_cast<char16_t*>(text.data()));
  return text;
}

void appendDecodedCp1251(const char* data, int size, QString& text) {
  const int at = text.size();
  text.resize(at + size);
  decodeInto(data, size, reinterpret_cast<char16_t*>(text.data()) + at);
}

bool appendCp1251(QStringView text, QByteArray& bytes) {
  const int start = bytes.size();
  bytes.resize(start + int(text.size()));
  return encodeCp1251(text, bytes.data() + start);
}

bool encodeCp1251(QStringView text, char* out) {
  static const Encoder encoder;
  const int size = int(text.size());
  const char16_t* in = text.utf16();
  bool complete = true;
  int i = 0;
  // Most texts are ASCII: such characters narrow as they are, eight or four
  // at a time.
#ifdef __SSE2__
  const __m128i high = _mm_set1_epi16(short(0xFF80));
  for (; i + 8 <= size; i += 8) {
    const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(eight, high), _mm_setzero_si128())) ==
        0xFFFF) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(eight, eight));
    } else {
      for (int k = 0; k < 8; ++k) {
        const char16_t c = in[i + k];
        const unsigned char byte = encoder.bytes[c];
        complete &= byte != 0 || c == 0;
        out[i + k] = static_cast<char>(byte);
      }
    }
  }
#endif
  for (; i + 4 <= size; i += 4) {
    quint64 four;
    std::memcpy(&four, in + i, 8);
    if (four & 0xFF80FF80FF80FF80ULL) {
      for (int k = 0; k < 4; ++k) {
        const char16_t c = in[i + k];
        const unsigned char byte = encoder.bytes[c];
        complete &= byte != 0 || c == 0;
        out[i + k] = static_cast<char>(byte);
      }
    } else {
      for (int k = 0; k < 4; ++k) out[i + k] = static_cast<char>(in[i + k]);
    }
  }
  for (; i < size; ++i) {
    const char16_t c = in[i];
    const unsigned char byte = encoder.bytes[c];
    complete &= byte != 0 || c == 0;
    out[i] = static_cast<char>(byte);
  }
  return complete;
}

bool encodeCp1251(QStringView text, QByteArray& bytes) {
  bytes.clear();
  return appendCp1251(text, bytes);
}
