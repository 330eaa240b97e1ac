#include "runtime/record_file.h"

#include <cstdint>
#include <cstring>
#include <set>

#include "runtime/crc32.h"

namespace rt {
namespace {

const char kMagic[] = "LZMEMODB";
constexpr size_t kMagicSize = sizeof(kMagic) - 1;
constexpr uint16_t kVersion = 1;
constexpr size_t kFrameSize = 8;  // payload length and CRC

void PutU16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void PutU32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Reads little-endian numbers and byte runs, refusing to go past the end.
struct Reader {
    const char* data;
    size_t size;
    size_t pos = 0;

    bool has(size_t count) const { return count <= size - pos; }
    unsigned byte(size_t at) const { return static_cast<unsigned char>(data[at]); }

    bool u8(uint8_t& value) {
        if (!has(1)) return false;
        value = static_cast<uint8_t>(byte(pos++));
        return true;
    }
    bool u16(uint16_t& value) {
        if (!has(2)) return false;
        value = static_cast<uint16_t>(byte(pos) | byte(pos + 1) << 8);
        pos += 2;
        return true;
    }
    bool u32(uint32_t& value) {
        if (!has(4)) return false;
        value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | byte(pos + i);
        pos += 4;
        return true;
    }
    bool text(size_t length, std::string& value) {
        if (!has(length)) return false;
        value.assign(data + pos, length);
        pos += length;
        return true;
    }
};

bool ReadHeader(Reader& in, std::vector<FieldSpec>& fields) {
    std::string magic;
    uint16_t version = 0, count = 0;
    if (!in.text(kMagicSize, magic) || magic != kMagic) return false;
    if (!in.u16(version) || version != kVersion || !in.u16(count)) return false;
    fields.clear();
    for (uint16_t i = 0; i < count; ++i) {
        uint8_t type = 0;
        uint16_t maxLength = 0, nameLength = 0;
        FieldSpec field;
        if (!in.u8(type) || type != static_cast<uint8_t>(FieldType::Text)) return false;
        if (!in.u16(maxLength) || !in.u16(nameLength) || !in.text(nameLength, field.name)) return false;
        field.maxLength = maxLength;
        fields.push_back(field);
    }
    size_t headerEnd = in.pos;
    uint32_t crc = 0;
    if (!in.u32(crc) || crc != Crc32(in.data, headerEnd)) return false;
    return IsValidSchema(fields);
}

bool ReadPayload(Reader in, const std::vector<FieldSpec>& fields, Record& record) {
    record.assign(fields.size(), std::string());
    for (std::string& value : record) {
        uint16_t length = 0;
        if (!in.u16(length) || !in.text(length, value)) return false;
    }
    return in.pos == in.size && FitsSchema(fields, record);
}

// The largest payload a record of the schema can have: a length and a full text per field.
size_t MaxPayload(const std::vector<FieldSpec>& fields) {
    size_t most = 0;
    for (const FieldSpec& field : fields) most += 2 + static_cast<size_t>(field.maxLength);
    return most;
}

// One framed record at in.pos; moves in.pos past it only when it is whole and sound.
// A length beyond what the schema allows is refused before any CRC is computed, so
// looking for a frame at every byte of a damaged stretch stays cheap.
bool ReadRecord(Reader& in, const std::vector<FieldSpec>& fields, size_t maxPayload, Record& record) {
    Reader frame = in;
    uint32_t length = 0, crc = 0;
    if (!frame.u32(length) || length > maxPayload || !frame.u32(crc) || !frame.has(length)) return false;
    const char* payload = frame.data + frame.pos;
    if (Crc32(payload, length, Crc32(frame.data + in.pos, 4)) != crc) return false;
    if (!ReadPayload(Reader{payload, length}, fields, record)) return false;
    in.pos = frame.pos + length;
    return true;
}

}  // namespace

bool IsValidSchema(const std::vector<FieldSpec>& fields) {
    if (fields.empty() || fields.size() > 0xFFFF) return false;
    std::set<std::string> names;
    for (const FieldSpec& field : fields) {
        if (field.name.empty() || field.name.size() > 0xFFFF) return false;
        if (field.maxLength < 1 || field.maxLength > kMaxFieldLength) return false;
        if (!names.insert(field.name).second) return false;
    }
    return true;
}

std::string EncodeHeader(const std::vector<FieldSpec>& fields) {
    std::string out(kMagic, kMagicSize);
    PutU16(out, kVersion);
    PutU16(out, static_cast<uint16_t>(fields.size()));
    for (const FieldSpec& field : fields) {
        out.push_back(static_cast<char>(field.type));
        PutU16(out, static_cast<uint16_t>(field.maxLength));
        PutU16(out, static_cast<uint16_t>(field.name.size()));
        out += field.name;
    }
    PutU32(out, Crc32(out.data(), out.size()));
    return out;
}

bool FitsSchema(const std::vector<FieldSpec>& fields, const Record& values) {
    if (values.size() != fields.size()) return false;
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i].size() > static_cast<size_t>(fields[i].maxLength)) return false;
    }
    return true;
}

std::string EncodeRecord(const Record& values) {
    std::string payload;
    for (const std::string& value : values) {
        PutU16(payload, static_cast<uint16_t>(value.size()));
        payload += value;
    }
    std::string out;
    out.reserve(kFrameSize + payload.size());
    PutU32(out, static_cast<uint32_t>(payload.size()));
    uint32_t crc = Crc32(out.data(), 4);
    PutU32(out, Crc32(payload.data(), payload.size(), crc));
    out += payload;
    return out;
}

bool ParseRecordFile(const std::string& bytes, RecordFile& file) {
    Reader in{bytes.data(), bytes.size()};
    if (!ReadHeader(in, file.fields)) return false;
    file.records.clear();
    file.goodEnd = in.pos;
    const size_t maxPayload = MaxPayload(file.fields);
    Record record;
    while (in.has(1)) {
        if (ReadRecord(in, file.fields, maxPayload, record)) {
            file.records.push_back(std::move(record));
            file.goodEnd = in.pos;
        } else {
            // A damaged frame does not end the file: every sound frame after it is still
            // a record, and one byte on is where the next frame may start. Only when
            // none follows is the rest a torn tail.
            ++in.pos;
        }
    }
    return true;
}

}  // namespace rt
