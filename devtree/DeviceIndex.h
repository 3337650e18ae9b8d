// Lookups of the tree's devices by MAC, serial number and address without
// walking the tree. Each node is filed under the keys its item had when it
// was last (re)indexed; whoever changes an item's MAC, serial, address,
// configuration port or folder flag re-files it, and a deleted node is
// taken out with its subtree. Lookups give candidates: the caller still
// applies its own rule to the item as it is now.
#pragma once

#include "devtree/ItemInfo.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

template <class Node> class CDeviceIndex
{
public:
    void Add(Node* node) { File(node, node->m_lpNodeInfo); }
    void Remove(Node* node)
    {
        auto it = m_keys.find(node);
        if (it == m_keys.end())
            return;
        const Keys& k = it->second;
        if (k.mac)
            Erase(m_byMac, k.mac, node);
        if (!k.serial.empty())
            Erase(m_bySerial, k.serial, node);
        Erase(m_byAddress, k.address, node);
        Erase(m_byIp, k.ip, node);
        m_nodeOf.erase(k.info);
        m_keys.erase(it);
    }
    void Update(Node* node)
    {
        Remove(node);
        Add(node);
    }
    void Clear()
    {
        m_keys.clear();
        m_byMac.clear();
        m_bySerial.clear();
        m_byAddress.clear();
        m_byIp.clear();
        m_nodeOf.clear();
    }
    // The filed node of an item, or null.
    Node* NodeOf(const CItemInfo* info) const
    {
        auto it = m_nodeOf.find(info);
        return it != m_nodeOf.end() ? it->second : nullptr;
    }

    // Devices with that MAC (all six bytes zero: none).
    std::vector<Node*> ByMac(const uint8_t mac[6]) const { return Find(m_byMac, MacKey(mac)); }
    // Devices with that serial number (empty: none); the text is read up to
    // `width` characters.
    std::vector<Node*> BySerial(const char* serial, size_t width) const
    {
        return serial && serial[0] ? Find(m_bySerial, std::string(serial, strnlen(serial, width)))
                                   : std::vector<Node*>();
    }
    std::vector<Node*> ByAddress(uint32_t ipAddress, uint32_t configPort) const
    {
        return Find(m_byAddress, AddressKey(ipAddress, configPort));
    }
    std::vector<Node*> ByIp(uint32_t ipAddress) const { return Find(m_byIp, ipAddress); }
    size_t Size() const { return m_keys.size(); }

private:
    struct Keys {
        uint64_t mac = 0;
        std::string serial;
        uint64_t address = 0;
        uint32_t ip = 0;
        const CItemInfo* info = nullptr;
    };
    template <class Key> using Map = std::unordered_multimap<Key, Node*>;

    static uint64_t MacKey(const uint8_t mac[6])
    {
        uint64_t key = 0;
        for (int i = 0; i < 6; ++i)
            key = key << 8 | mac[i];
        return key;
    }
    static uint64_t AddressKey(uint32_t ip, uint32_t port) { return uint64_t(ip) << 32 | port; }

    void File(Node* node, const CItemInfo* info)
    {
        // Folders are never devices; their keys would all be zero.
        if (!info || info->m_bFolder)
            return;
        Keys k;
        k.mac = MacKey(info->m_byMac);
        k.serial.assign(info->m_szSerial, strnlen(info->m_szSerial, sizeof(info->m_szSerial)));
        k.address = AddressKey(info->m_dwIpAddress, info->m_dwConfigPort);
        k.ip = info->m_dwIpAddress;
        k.info = info;
        m_nodeOf[info] = node;
        if (k.mac)
            m_byMac.emplace(k.mac, node);
        if (!k.serial.empty())
            m_bySerial.emplace(k.serial, node);
        m_byAddress.emplace(k.address, node);
        m_byIp.emplace(k.ip, node);
        m_keys[node] = std::move(k);
    }
    template <class Key> static void Erase(Map<Key>& map, const Key& key, Node* node)
    {
        auto [first, last] = map.equal_range(key);
        for (auto it = first; it != last; ++it)
            if (it->second == node) {
                map.erase(it);
                return;
            }
    }
    template <class Key> static std::vector<Node*> Find(const Map<Key>& map, const Key& key)
    {
        std::vector<Node*> found;
        auto [first, last] = map.equal_range(key);
        for (auto it = first; it != last; ++it)
            found.push_back(it->second);
        return found;
    }

    std::unordered_map<Node*, Keys> m_keys;
    std::unordered_map<const CItemInfo*, Node*> m_nodeOf;
    Map<uint64_t> m_byMac;
    Map<std::string> m_bySerial;
    Map<uint64_t> m_byAddress;
    Map<uint32_t> m_byIp;
};
