#!/usr/bin/perl
# Reads pixels of a screen dump in XWD format: Xvfb's live frame buffer (its
# -fbdir file) or a copy of it. Needs nothing but the perl interpreter.
#
# usage: e2e_screen.pl FILE QUERY...   (each query prints one line)
#   count KIND X Y W H      how many pixels of the box are of KIND
#   diff X1 Y1 X2 Y2 W H    how many pixels of the W x H box at X1,Y1 differ
#                           from the box at X2,Y2
#   diffile FILE2 X Y W H   how many pixels of the box differ from the same box
#                           of FILE2, a dump of the same screen
#   watch KIND S COPY N X Y W H...
#                           rereads FILE every millisecond until a pixel of one
#                           of the N boxes is of KIND, for S whole seconds at
#                           most; prints "seen", and copies FILE to COPY at
#                           once, or "timeout"
# KIND: nonblack, white, ground (48,120,48), or fire (the flames' colours:
# full red, no blue).
use strict;
use warnings;

sub usage { die "usage: e2e_screen.pl FILE QUERY...\n" }

# The layout of the dumps: where the pixels start, the screen's size, and how
# a pixel's colour is packed.
my %d;

sub lowestbit {
    my $m = shift;
    my $s = 0;
    $s++ until ($m >> $s) & 1;
    return $s;
}

sub opendump {
    my $file = shift;
    open(my $fh, '<:raw', $file) or die "e2e_screen.pl: cannot open $file: $!\n";
    sysread($fh, my $head, 100) == 100 or die "e2e_screen.pl: $file is too short for XWD\n";
    my @h = unpack('N25', $head);
    die "e2e_screen.pl: $file is no XWD version 7 dump\n" unless $h[1] == 7;
    die "e2e_screen.pl: $file has $h[11] bits a pixel, not 32\n" unless $h[11] == 32;
    my %layout = (
        pixels => $h[0] + 12 * $h[19], # after the header and the colour map
        width => $h[4],
        height => $h[5],
        word => $h[7] == 0 ? 'V' : 'N',
        line => $h[12],
        masks => [@h[14, 15, 16]],
        shifts => [map { lowestbit($_) } @h[14, 15, 16]],
    );
    if (%d) {
        die "e2e_screen.pl: $file is not a dump of the same screen\n"
            if $layout{width} != $d{width} || $layout{height} != $d{height};
    } else {
        %d = %layout;
    }
    return $fh;
}

# The rows of a box as they lie in the dump.
sub rows {
    my ($fh, $x, $y, $w, $h) = @_;
    die "e2e_screen.pl: box $w x $h at $x,$y lies outside the $d{width} x $d{height} screen\n"
        if $x < 0 || $y < 0 || $w < 1 || $h < 1 || $x + $w > $d{width} || $y + $h > $d{height};
    my @out;
    for my $row ($y .. $y + $h - 1) {
        sysseek($fh, $d{pixels} + $row * $d{line} + $x * 4, 0) or die "e2e_screen.pl: seek: $!\n";
        sysread($fh, my $data, $w * 4) == $w * 4 or die "e2e_screen.pl: short read\n";
        push @out, $data;
    }
    return @out;
}

# A row's pixels as numbers holding only their colour bits.
sub pixels {
    my $colour = $d{masks}[0] | $d{masks}[1] | $d{masks}[2];
    return map { $_ & $colour } unpack("$d{word}*", shift);
}

sub pixel {
    my ($r, $g, $b) = @_;
    return ($r << $d{shifts}[0]) | ($g << $d{shifts}[1]) | ($b << $d{shifts}[2]);
}

# How many pixels of the box are of a kind.
sub count {
    my ($fh, $kind, @box) = @_;
    my ($rm, $bm) = @{$d{masks}}[0, 2];
    my %colour = (white => pixel(255, 255, 255), ground => pixel(48, 120, 48));
    die "e2e_screen.pl: unknown kind $kind\n" unless $kind =~ /^(nonblack|fire|white|ground)$/;
    my $n = 0;
    for my $row (rows($fh, @box)) {
        my @p = pixels($row);
        if ($kind eq 'nonblack') {
            $n += grep { $_ != 0 } @p;
        } elsif ($kind eq 'fire') {
            $n += grep { ($_ & $rm) == $rm && ($_ & $bm) == 0 } @p;
        } else {
            my $v = $colour{$kind};
            $n += grep { $_ == $v } @p;
        }
    }
    return $n;
}

# How many pixels differ between two lists of rows of the same size; rows
# that are the same byte for byte are passed over whole.
sub differing {
    my ($one, $two) = @_;
    my $n = 0;
    for my $i (0 .. $#$one) {
        next if $one->[$i] eq $two->[$i];
        my @p = pixels($one->[$i]);
        my @q = pixels($two->[$i]);
        $n += grep { $p[$_] != $q[$_] } 0 .. $#p;
    }
    return $n;
}

sub copyfile {
    my ($fh, $to) = @_;
    open(my $out, '>:raw', $to) or die "e2e_screen.pl: cannot write $to: $!\n";
    sysseek($fh, 0, 0) or die "e2e_screen.pl: seek: $!\n";
    while (sysread($fh, my $chunk, 1 << 20)) { print $out $chunk; }
    close($out) or die "e2e_screen.pl: cannot write $to: $!\n";
}

my $file = shift @ARGV // usage();
my $fh = opendump($file);
sub args { my $n = shift; usage() if @ARGV < $n; return splice(@ARGV, 0, $n) }

while (@ARGV) {
    my $q = shift @ARGV;
    if ($q eq 'count') {
        print count($fh, args(5)), "\n";
    } elsif ($q eq 'diff') {
        my ($x1, $y1, $x2, $y2, $w, $h) = args(6);
        print differing([rows($fh, $x1, $y1, $w, $h)], [rows($fh, $x2, $y2, $w, $h)]), "\n";
    } elsif ($q eq 'diffile') {
        my ($other, @box) = args(5);
        print differing([rows($fh, @box)], [rows(opendump($other), @box)]), "\n";
    } elsif ($q eq 'watch') {
        my ($kind, $s, $copy, $n) = args(4);
        my @boxes = map { [args(4)] } 1 .. $n;
        # Whole seconds from the built-in clock: perl-base alone has no finer one.
        my $end = time + $s;
        my $seen = 0;
        while (!$seen && time <= $end) {
            $seen = grep { count($fh, $kind, @$_) > 0 } @boxes;
            select(undef, undef, undef, 0.001) unless $seen;
        }
        copyfile($fh, $copy) if $seen;
        print $seen ? "seen\n" : "timeout\n";
    } else {
        die "e2e_screen.pl: unknown query $q\n";
    }
}
