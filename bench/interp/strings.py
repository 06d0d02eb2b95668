# Benchmark: growing a string by appending number texts; the checksum is its length.
def main():
    s = ''
    for i in range(1, 200001):
        s = s + str(i)
    return len(s)

print(main())
