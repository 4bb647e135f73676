#include "model/connection_record.h"

#include <gtest/gtest.h>

namespace zorpi {
namespace {

struct RealField {
  const char* name;
  double ConnectionRecord::*member;
  double expected;
};

struct IntField {
  const char* name;
  std::int32_t ConnectionRecord::*member;
  std::int32_t expected;
};

// Every field of the record, so that a field added without a default shows up here.
const RealField kRealFields[] = {
    {"T", &ConnectionRecord::T, 0},         {"p0", &ConnectionRecord::p0, 150},
    {"DA", &ConnectionRecord::DA, 150},     {"Sp", &ConnectionRecord::Sp, 1.2},
    {"ReA", &ConnectionRecord::ReA, 370},   {"ReI", &ConnectionRecord::ReI, 275},
    {"d", &ConnectionRecord::d, 0},         {"lt", &ConnectionRecord::lt, 0},
    {"h", &ConnectionRecord::h, 0},         {"t1", &ConnectionRecord::t1, 0},
    {"d1", &ConnectionRecord::d1, 0},       {"d2", &ConnectionRecord::d2, 0},
    {"d3", &ConnectionRecord::d3, 0},       {"e1", &ConnectionRecord::e1, 0},
    {"e", &ConnectionRecord::e, 0},         {"er", &ConnectionRecord::er, 0},
    {"X", &ConnectionRecord::X, 10},        {"D", &ConnectionRecord::D, 60},
    {"L", &ConnectionRecord::L, 70},        {"FV", &ConnectionRecord::FV, 96500},
    {"my", &ConnectionRecord::my, 0.11},    {"l", &ConnectionRecord::l, 0},
    {"ls", &ConnectionRecord::ls, 0},       {"a", &ConnectionRecord::a, 0},
    {"p", &ConnectionRecord::p, 0},         {"pzul", &ConnectionRecord::pzul, 0},
    {"rm", &ConnectionRecord::rm, 0},       {"ki", &ConnectionRecord::ki, 0},
    {"phi", &ConnectionRecord::phi, 0},     {"dm", &ConnectionRecord::dm, 0},
    {"C", &ConnectionRecord::C, 0},         {"DF", &ConnectionRecord::DF, 0},
    {"rho", &ConnectionRecord::rho, 0},     {"alpha", &ConnectionRecord::alpha, 0},
    {"FF", &ConnectionRecord::FF, 0},       {"TV", &ConnectionRecord::TV, 0},
    {"Q", &ConnectionRecord::Q, 0},         {"pAzul", &ConnectionRecord::pAzul, 0},
    {"pIzul", &ConnectionRecord::pIzul, 0}, {"kp", &ConnectionRecord::kp, 0},
    {"kb", &ConnectionRecord::kb, 0},       {"W", &ConnectionRecord::W, 0},
    {"SigB", &ConnectionRecord::SigB, 0},
};

const IntField kIntFields[] = {
    {"typ", &ConnectionRecord::typ, 5},
    {"beanArt", &ConnectionRecord::beanArt, 0},
    {"polygonTyp", &ConnectionRecord::polygonTyp, 0},
    {"variante", &ConnectionRecord::variante, 0},
    {"i", &ConnectionRecord::i, 0},
    {"z", &ConnectionRecord::z, 0},
    {"m", &ConnectionRecord::m, 0},
};

TEST(ConnectionRecord, DefaultsAreTheTaperExampleAndEverythingElseZero) {
  // Fill the storage with garbage first so that a field the defaults forget cannot pass by luck.
  alignas(ConnectionRecord) unsigned char storage[sizeof(ConnectionRecord)];
  for (unsigned char& byte : storage) {
    byte = 0xA5;
  }
  auto* record = new (storage) ConnectionRecord(createDefaultRecord());
  for (const RealField& field : kRealFields) {
    EXPECT_EQ(record->*field.member, field.expected) << field.name;
  }
  for (const IntField& field : kIntFields) {
    EXPECT_EQ(record->*field.member, field.expected) << field.name;
  }
  // A record made without an initialiser, in the same garbage, holds zeros.
  for (unsigned char& byte : storage) {
    byte = 0xA5;
  }
  record = new (storage) ConnectionRecord;
  for (const RealField& field : kRealFields) {
    EXPECT_EQ(record->*field.member, 0) << "made plain: " << field.name;
  }
  for (const IntField& field : kIntFields) {
    EXPECT_EQ(record->*field.member, 0) << "made plain: " << field.name;
  }
  EXPECT_EQ(sizeof kRealFields / sizeof kRealFields[0] * sizeof(double) +
                sizeof kIntFields / sizeof kIntFields[0] * sizeof(std::int32_t),
            sizeof(ConnectionRecord) - 4)  // 4 bytes of padding after the seven integers
      << "a field of the record is missing from this table";
}

}  // namespace
}  // namespace zorpi
