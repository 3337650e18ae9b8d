// A sample device tree for the tree-file tests: the tree as the save walks
// it, and the same content as fixture descriptions of the file.
#pragma once

#include "devtree/TreeFile.h"
#include "tests/devtree/TreeFileFixtures.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fixture
{

// An item of a tree as the device tree holds it.
template <class Node> struct Item {
    Node node {};
    bool transient = false;
    std::vector<Item> children;
};
using DeviceItem = Item<FILE_NODE>;
using ServerItem = Item<FILE_YEM_NODE>;

FILE_NODE ToNode(const Device& d);
FILE_YEM_NODE ToYemNode(const Server& s);

// The sample: "My DVR" with a folder of two devices, a device with a lookup
// and no saved login under the root, and an empty folder; a server branch
// with two servers, group ids and a transient node that ends its level.
struct SampleTree {
    SampleTree();
    DeviceItem devices; // the root
    ServerItem servers; // the root
    // The records the file must hold, in save order, with their new ids.
    std::vector<Device> deviceRecords;
    std::vector<Server> serverRecords;
};

// Saves a tree through the save walk.
bool SaveTree(const std::string& path, const DeviceItem& devices, const ServerItem* servers);

// Two loaded nodes hold the same fields.
void ExpectSameNode(const FILE_NODE& actual, const FILE_NODE& expected);
void ExpectSameYemNode(const FILE_YEM_NODE& actual, const FILE_YEM_NODE& expected);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A fresh folder per test, and the fault hook cleared after it.
class TreeFileTestBase : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    std::string m_dir, m_path;
};

} // namespace fixture
