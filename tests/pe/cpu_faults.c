/* A program for scripts/check-cpu.sh to read, never to run: each Has...
 * function holds one instruction that a Pentium (or, for the last group, a
 * 486) does not have, so that the check's test can expect "cmovne in
 * HasCmov" and so on. Built with CPU_CLEAN_ONLY it holds only Clean, whose
 * instructions every one of those processors runs.
 *
 * Linked without the C runtime: MinGW's runtime libraries are built for the
 * Pentium Pro themselves, and would add faults of their own. Some functions
 * start with an instruction of no interest, so that a fault is not always
 * at a function's first byte. */

/* Every instruction here runs on a 486 and a Pentium, or faults there on
 * purpose (UD2, UD1, UD0). */
void Clean(void)
{
    __asm__ volatile("xor %eax, %eax\n\t"
                     "cmpxchg %ecx, (%edx)\n\t" /* 486 */
                     "xadd %eax, (%edx)\n\t"    /* 486 */
                     "bswap %eax\n\t"           /* 486 */
                     "pause\n\t"                /* rep nop */
                     "rep bsf %eax, %ecx\n\t"   /* objdump says tzcnt */
                     "fcomp %st(1)\n\t"         /* the Pentium's compare */
                     "fnstsw %ax\n\t"
                     "sahf\n\t"
                     ".byte 0x8d, 0xb4, 0x26, 0, 0, 0, 0\n\t" /* lea 0x0(%esi,%eiz,1), %esi: padding */
                     "ud2\n\t"
                     ".byte 0x0f, 0xb9, 0xc0\n\t" /* ud1 %eax, %eax */
                     ".byte 0x0f, 0xff, 0xc0");   /* ud0 %eax, %eax */
}

int VtCpuEntry(void)
{
    return 0;
}

#ifndef CPU_CLEAN_ONLY

/* Pentium Pro and later. */
void HasCmov(void) { __asm__ volatile("xor %ecx, %ecx\n\tcmovne %eax, %ecx"); }
void HasFcmov(void) { __asm__ volatile("fcmovbe %st(1), %st"); }
void HasFcomi(void) { __asm__ volatile("fld1\n\tfcomi %st(1), %st"); }
void HasFucomip(void) { __asm__ volatile("fucomip %st(1), %st"); }
/* nopw 0x0(%eax,%eax,1), as gas pads for a Pentium Pro. */
void HasLongNop(void) { __asm__ volatile(".byte 0x66, 0x0f, 0x1f, 0x44, 0x00, 0x00"); }
/* The same opcode with a register operand, which objdump calls plain nop. */
void HasRegisterNop(void) { __asm__ volatile("xor %eax, %eax\n\t.byte 0x0f, 0x1f, 0xc0"); }
void HasSysenter(void) { __asm__ volatile(".byte 0x0f, 0x34"); } /* sysenter */
void HasRdpmc(void) { __asm__ volatile(".byte 0x0f, 0x33"); }       /* rdpmc */

/* MMX. */
void HasMmx(void) { __asm__ volatile("paddb %mm1, %mm0"); }
void HasEmms(void) { __asm__ volatile("emms"); }

/* SSE and later; movnti has no XMM operand. */
void HasSse(void) { __asm__ volatile("addps %xmm1, %xmm0"); }
void HasPrefetch(void) { __asm__ volatile("prefetchnta (%eax)"); }
void HasMovnti(void) { __asm__ volatile("movnti %eax, (%ecx)"); }
void HasSfence(void) { __asm__ volatile("sfence"); }
void HasClflush(void) { __asm__ volatile("clflush (%eax)"); }
void HasFxsave(void) { __asm__ volatile("fxsave (%eax)"); }
void HasLdmxcsr(void) { __asm__ volatile("ldmxcsr (%eax)"); }

/* Code outside .text is code all the same. */
__attribute__((section(".vtcode"))) void HasElsewhere(void) { __asm__ volatile("cmove %edx, %ebx"); }

/* The Pentium's own, which a 486 lacks. */
void HasCpuid(void) { __asm__ volatile("cpuid" ::: "eax", "ebx", "ecx", "edx"); }
void HasRdtsc(void) { __asm__ volatile("rdtsc" ::: "eax", "edx"); }
void HasRdmsr(void) { __asm__ volatile("rdmsr" ::: "eax", "edx"); }
void HasWrmsr(void) { __asm__ volatile("wrmsr"); }
void HasCmpxchg8b(void) { __asm__ volatile("lock cmpxchg8b (%esi)"); }

/* Data, not code: the linker puts exception tables into .text after the
 * constructor lists. These bytes read as cmovne (once the two 0xc3 have
 * put a reader that comes from the lists back in step), and must not
 * count. */
__asm__(".section .gcc_except_table,\"dr\"\n\t"
        ".byte 0xc3, 0xc3, 0x0f, 0x45, 0xc8\n\t"
        ".text");

#endif
