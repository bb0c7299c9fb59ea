// Natural numbers of up to 832 bits, the arithmetic of the exact and the
// accurate paths of the power of ten and the logarithm
// (elementary_accurate.cpp).
//
// Limbs are 32 bits wide, so that every product of two limbs fits the 64-bit
// integer of any platform, 32-bit ones included; integer arithmetic raises no
// floating-point flag. Everything is constexpr, so the constants ln 2 and
// ln 10 are worked out by the compiler. The capacity is the widest number
// that the callers form: the 2^b, b = 816, that the power of ten of a whole
// k down to -323 divides by 5^-k (elementary_accurate.cpp checks b against
// kBits when it is compiled); products at 256 fractional bits stay below 530
// bits, and product_shifted forms them in a scratch twice the capacity. An
// operation whose result would not fit (+=, *=, <<=, product_shifted)
// traps instead of dropping bits: at run time the program stops there, and
// in a constant expression the compiler refuses it.
#pragma once

#include <array>
#include <compare>
#include <cstdint>

namespace metrova {

class Natural {
public:
    static constexpr int kLimbs = 26;
    static constexpr int kBits = kLimbs * 32;

    constexpr Natural() = default;
    constexpr explicit Natural(std::uint64_t v) noexcept {
        limbs_[0] = static_cast<std::uint32_t>(v);
        limbs_[1] = static_cast<std::uint32_t>(v >> 32);
        trim(2);
    }

    // 2^n.
    static constexpr Natural power_of_two(int n) noexcept { return Natural(1) <<= n; }

    [[nodiscard]] constexpr bool is_zero() const noexcept { return size_ == 0; }

    // The number of bits up to the highest one: 0 for 0, 1 for 1, 4 for 12.
    [[nodiscard]] constexpr int bit_length() const noexcept {
        if (size_ == 0) return 0;
        int bits = 32 * (size_ - 1);
        for (std::uint32_t top = limbs_[size_ - 1]; top != 0; top >>= 1) ++bits;
        return bits;
    }

    [[nodiscard]] constexpr bool bit(int i) const noexcept {
        return i >= 0 && i < kBits && ((limbs_[i / 32] >> (i % 32)) & 1U) != 0;
    }

    // Whether any bit below position n is set.
    [[nodiscard]] constexpr bool any_below(int n) const noexcept {
        for (int i = 0; i < size_ && 32 * i < n; ++i) {
            const int bits = n - 32 * i;
            const std::uint32_t mask = bits >= 32 ? ~0U : (1U << bits) - 1;
            if ((limbs_[i] & mask) != 0) return true;
        }
        return false;
    }

    // The low 64 bits.
    [[nodiscard]] constexpr std::uint64_t low64() const noexcept {
        return (std::uint64_t{limbs_[1]} << 32) | limbs_[0];
    }

    friend constexpr bool operator==(const Natural& a, const Natural& b) noexcept = default;
    friend constexpr std::strong_ordering operator<=>(const Natural& a, const Natural& b) noexcept {
        if (a.size_ != b.size_) return a.size_ <=> b.size_;
        for (int i = a.size_ - 1; i >= 0; --i) {
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
        }
        return std::strong_ordering::equal;
    }

    constexpr Natural& operator+=(const Natural& b) noexcept {
        const int n = wider(b);
        std::uint64_t carry = 0;
        for (int i = 0; i < n && i < kLimbs; ++i) {
            carry += std::uint64_t{limbs_[i]} + b.limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (n < kLimbs) {
            limbs_[n] = static_cast<std::uint32_t>(carry);
        } else {
            fits(carry == 0);
        }
        trim(n + 1);
        return *this;
    }

    // Needs *this >= b.
    constexpr Natural& operator-=(const Natural& b) noexcept {
        std::int64_t borrow = 0;
        for (int i = 0; i < size_; ++i) {
            borrow += std::int64_t{limbs_[i]} - std::int64_t{i < b.size_ ? b.limbs_[i] : 0U};
            limbs_[i] = static_cast<std::uint32_t>(borrow);
            borrow = borrow < 0 ? -1 : 0;
        }
        trim(size_);
        return *this;
    }

    constexpr Natural& operator<<=(int n) noexcept {
        fits(size_ == 0 || bit_length() + n <= kBits);
        const int whole = n / 32;
        const int part = n % 32;
        const int top = size_ + whole + 1 < kLimbs ? size_ + whole + 1 : kLimbs;
        for (int i = top - 1; i >= 0; --i) {
            const int from = i - whole;
            const std::uint32_t hi = from >= 0 && from < size_ ? limbs_[from] : 0U;
            const std::uint32_t lo = from - 1 >= 0 && from - 1 < size_ ? limbs_[from - 1] : 0U;
            limbs_[i] = part == 0 ? hi : (hi << part) | (lo >> (32 - part));
        }
        trim(top);
        return *this;
    }

    constexpr Natural& operator>>=(int n) noexcept {
        const int whole = n / 32;
        const int part = n % 32;
        for (int i = 0; i < size_; ++i) {
            const int from = i + whole;
            const std::uint32_t lo = from < size_ ? limbs_[from] : 0U;
            const std::uint32_t hi = from + 1 < size_ ? limbs_[from + 1] : 0U;
            limbs_[i] = part == 0 ? lo : (lo >> part) | (hi << (32 - part));
        }
        trim(size_);
        return *this;
    }

    constexpr Natural& operator*=(std::uint32_t m) noexcept {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            carry += std::uint64_t{limbs_[i]} * m;
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (size_ < kLimbs) {
            limbs_[size_] = static_cast<std::uint32_t>(carry);
        } else {
            fits(carry == 0);
        }
        trim(size_ + 1);
        return *this;
    }

    // *this := *this / d, rounded down; returns the remainder. d > 0.
    constexpr std::uint32_t divide(std::uint32_t d) noexcept {
        std::uint64_t rest = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            rest = (rest << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(rest / d);
            rest %= d;
        }
        trim(size_);
        return static_cast<std::uint32_t>(rest);
    }

    // (a x b) / 2^shift, rounded down: the product's limbs below the shift
    // are worked out only for their carries, in a scratch twice the capacity.
    static constexpr Natural product_shifted(const Natural& a, const Natural& b, int shift) noexcept {
        std::array<std::uint32_t, static_cast<std::size_t>(2 * kLimbs)> p{};
        const int size = a.size_ + b.size_;
        for (int i = 0; i < a.size_; ++i) {
            std::uint64_t carry = 0;
            for (int j = 0; j < b.size_; ++j) {
                carry += std::uint64_t{a.limbs_[i]} * b.limbs_[j] + p[i + j];
                p[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
            p[i + b.size_] = static_cast<std::uint32_t>(carry);
        }
        const int whole = shift / 32;
        const int part = shift % 32;
        int top = size;  // the bits of the product, then of the result
        while (top > 0 && p[top - 1] == 0) --top;
        int length = 32 * top;
        if (top > 0) {
            for (std::uint32_t high = p[top - 1]; (high & 0x80000000U) == 0; high <<= 1) --length;
        }
        fits(length - shift <= kBits);
        Natural r;
        for (int i = 0; i + whole < size && i < kLimbs; ++i) {
            const std::uint32_t lo = p[i + whole];
            const std::uint32_t hi = i + whole + 1 < size ? p[i + whole + 1] : 0U;
            r.limbs_[i] = part == 0 ? lo : (lo >> part) | (hi << (32 - part));
        }
        r.trim(size > whole ? size - whole : 0);
        return r;
    }

    // a / b rounded down, a %= b left in `a`. b > 0. Long division, limb by
    // limb (Knuth's algorithm D): each quotient limb is estimated from the
    // top two limbs of the rest and the top limb of b shifted to its top
    // bit, at most 2 too large after the check against b's second limb, and
    // put right by adding b back when the subtraction went below 0.
    static constexpr Natural take_quotient(Natural& a, const Natural& b) noexcept {
        Natural quotient;
        if (a < b) return quotient;
        if (b.size_ == 1) {
            quotient = a;
            a = Natural(quotient.divide(b.limbs_[0]));
            return quotient;
        }
        const int n = b.size_;
        int shift = 0;
        while ((b.limbs_[n - 1] << shift & 0x80000000U) == 0) ++shift;
        Natural v = b;
        v <<= shift;
        // The rest, one limb wider than a so that its top limb may be 0.
        std::array<std::uint32_t, kLimbs + 1> u{};
        for (int i = 0; i <= a.size_; ++i) {
            const std::uint32_t limb = i < a.size_ ? a.limbs_[i] : 0U;
            const std::uint32_t below = i > 0 ? a.limbs_[i - 1] : 0U;
            u[i] = shift == 0 ? limb : (limb << shift) | (below >> (32 - shift));
        }
        const int m = a.size_ - n;
        constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
        for (int j = m; j >= 0; --j) {
            const std::uint64_t top = (std::uint64_t{u[j + n]} << 32) | u[j + n - 1];
            std::uint64_t qhat = top / v.limbs_[n - 1];
            std::uint64_t rhat = top % v.limbs_[n - 1];
            while (qhat >= kBase || qhat * v.limbs_[n - 2] > ((rhat << 32) | u[j + n - 2])) {
                --qhat;
                rhat += v.limbs_[n - 1];
                if (rhat >= kBase) break;
            }
            std::int64_t borrow = 0;
            std::uint64_t carry = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t product = qhat * v.limbs_[i] + carry;
                carry = product >> 32;
                const std::int64_t difference =
                    std::int64_t{u[i + j]} - static_cast<std::int64_t>(product & 0xffffffffU) + borrow;
                u[i + j] = static_cast<std::uint32_t>(difference);
                borrow = difference >> 32;
            }
            const std::int64_t difference = std::int64_t{u[j + n]} - static_cast<std::int64_t>(carry) + borrow;
            u[j + n] = static_cast<std::uint32_t>(difference);
            if (difference < 0) {  // qhat was one too large: add b back
                --qhat;
                std::uint64_t sum = 0;
                for (int i = 0; i < n; ++i) {
                    sum += std::uint64_t{u[i + j]} + v.limbs_[i];
                    u[i + j] = static_cast<std::uint32_t>(sum);
                    sum >>= 32;
                }
                u[j + n] = static_cast<std::uint32_t>(u[j + n] + sum);
            }
            quotient.limbs_[j] = static_cast<std::uint32_t>(qhat);
        }
        quotient.trim(m + 1);
        Natural rest;
        for (int i = 0; i < n; ++i) rest.limbs_[i] = u[i];
        rest.trim(n);
        a = rest >>= shift;
        return quotient;
    }

private:
    // Stops the program where a result would not fit; in a constant
    // expression the call to the trap makes the compiler refuse it.
    static constexpr void fits(bool fitting) noexcept {
        if (!fitting) __builtin_trap();
    }

    [[nodiscard]] constexpr int wider(const Natural& b) const noexcept { return size_ > b.size_ ? size_ : b.size_; }

    // The limbs from `used` up are zero; size_ becomes the count below the
    // highest non-zero one.
    constexpr void trim(int used) noexcept {
        size_ = used < kLimbs ? used : kLimbs;
        while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    }

    std::array<std::uint32_t, kLimbs> limbs_{};
    int size_ = 0;
};

}  // namespace metrova
