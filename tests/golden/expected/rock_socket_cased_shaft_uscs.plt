    3    1    0    1                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    2                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
  112            0.3000000E+03  0.7969144E+05                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)
  0.1053892E+04  0.1686227E+10  0.6250000E-06                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.2107775E+04  0.1686220E+10  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.3161244E+04  0.1685997E+10  0.1875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.4212648E+04  0.1685059E+10  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.5261154E+04  0.1683569E+10  0.3125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.6306514E+04  0.1681737E+10  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.7348640E+04  0.1679689E+10  0.4375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.8387491E+04  0.1677498E+10  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.9423050E+04  0.1675209E+10  0.5625000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.9423050E+04  0.1507688E+10  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.9423050E+04  0.1370625E+10  0.6875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.9423050E+04  0.1256407E+10  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9694598E+04  0.1193181E+10  0.8125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1030691E+05  0.1177932E+10  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1091744E+05  0.1164527E+10  0.9375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1152663E+05  0.1152663E+10  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1213429E+05  0.1142051E+10  0.1062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1274085E+05  0.1132520E+10  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1334637E+05  0.1123905E+10  0.1187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1395103E+05  0.1116082E+10  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1455463E+05  0.1108924E+10  0.1312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1515775E+05  0.1102382E+10  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1575985E+05  0.1096338E+10  0.1437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1636126E+05  0.1090751E+10  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1696218E+05  0.1085580E+10  0.1562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1756251E+05  0.1080770E+10  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1816191E+05  0.1076261E+10  0.1687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1876082E+05  0.1072047E+10  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1935924E+05  0.1068096E+10  0.1812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1995718E+05  0.1064383E+10  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2055449E+05  0.1060877E+10  0.1937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2115106E+05  0.1057553E+10  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2174715E+05  0.1054407E+10  0.2062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2234274E+05  0.1051423E+10  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2293785E+05  0.1048588E+10  0.2187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2353247E+05  0.1045888E+10  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2412659E+05  0.1043312E+10  0.2312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2472017E+05  0.1040849E+10  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2531306E+05  0.1038484E+10  0.2437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2649736E+05  0.1034043E+10  0.2562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2767968E+05  0.1029941E+10  0.2687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2885999E+05  0.1026133E+10  0.2812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3003830E+05  0.1022581E+10  0.2937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3121459E+05  0.1019252E+10  0.3062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3238871E+05  0.1016116E+10  0.3187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3356069E+05  0.1013153E+10  0.3312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3473061E+05  0.1010345E+10  0.3437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3589848E+05  0.1007677E+10  0.3562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3706427E+05  0.1005133E+10  0.3687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3822797E+05  0.1002701E+10  0.3812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3938957E+05  0.1000370E+10  0.3937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.4054905E+05  0.9981304E+09  0.4062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.4170640E+05  0.9959737E+09  0.4187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.4286161E+05  0.9938923E+09  0.4312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4401465E+05  0.9918795E+09  0.4437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4516553E+05  0.9899293E+09  0.4562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4631421E+05  0.9880365E+09  0.4687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4746069E+05  0.9861961E+09  0.4812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4860495E+05  0.9844040E+09  0.4937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4974698E+05  0.9826563E+09  0.5062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.5088673E+05  0.9809490E+09  0.5187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.5202421E+05  0.9792793E+09  0.5312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.5315942E+05  0.9776444E+09  0.5437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.5422531E+05  0.9748371E+09  0.5562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.5516722E+05  0.9699731E+09  0.5687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.5604572E+05  0.9642275E+09  0.5812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.5687533E+05  0.9579003E+09  0.5937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5766154E+05  0.9511182E+09  0.6062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5841127E+05  0.9440205E+09  0.6187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5913124E+05  0.9367325E+09  0.6312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5982462E+05  0.9293145E+09  0.6437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.6049407E+05  0.9218144E+09  0.6562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.6114186E+05  0.9142708E+09  0.6687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.6176945E+05  0.9067075E+09  0.6812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.6237863E+05  0.8991515E+09  0.6937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.6297138E+05  0.8916301E+09  0.7062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.6354911E+05  0.8841615E+09  0.7187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.6411311E+05  0.8767605E+09  0.7312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.6466457E+05  0.8694396E+09  0.7437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.6675476E+05  0.8410048E+09  0.7937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.6869455E+05  0.8141576E+09  0.8437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.7043860E+05  0.7881242E+09  0.8937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.7180494E+05  0.7608470E+09  0.9437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.7285854E+05  0.7331677E+09  0.9937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.7379148E+05  0.7069842E+09  0.1043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.7463060E+05  0.6823369E+09  0.1093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.7529001E+05  0.6582733E+09  0.1143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.7584653E+05  0.6353636E+09  0.1193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.7635715E+05  0.6139268E+09  0.1243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.7682769E+05  0.5938372E+09  0.1293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.7725865E+05  0.5749481E+09  0.1343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.7765778E+05  0.5571859E+09  0.1393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.7803063E+05  0.5404719E+09  0.1443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.7835210E+05  0.5245329E+09  0.1493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7860611E+05  0.5091894E+09  0.1543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7882398E+05  0.4945818E+09  0.1593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7902431E+05  0.4807563E+09  0.1643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7921008E+05  0.4676610E+09  0.1693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7938347E+05  0.4552457E+09  0.1743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7954432E+05  0.4434527E+09  0.1793750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7969932E+05  0.4322675E+09  0.1843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7984098E+05  0.4216025E+09  0.1893750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7997782E+05  0.4114615E+09  0.1943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.8010641E+05  0.4017877E+09  0.1993750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.8022910E+05  0.3925583E+09  0.2043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.8034230E+05  0.3837244E+09  0.2093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.8045237E+05  0.3752880E+09  0.2143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.8055214E+05  0.3671893E+09  0.2193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8064499E+05  0.3594206E+09  0.2243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8073398E+05  0.3519737E+09  0.2293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8081618E+05  0.3448157E+09  0.2343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.8089209E+05  0.3379304E+09  0.2393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  122            0.3000000E+03  0.2263019E+05                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)
  0.4423698E+03  0.7077917E+09  0.6250000E-06                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=1
  0.8847462E+03  0.7077969E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=2
  0.1327096E+04  0.7077845E+09  0.1875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=3
  0.1769400E+04  0.7077601E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=4
  0.2211311E+04  0.7076194E+09  0.3125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=5
  0.2652142E+04  0.7072379E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=6
  0.3091511E+04  0.7066312E+09  0.4375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=7
  0.3529238E+04  0.7058476E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=8
  0.3965228E+04  0.7049293E+09  0.5625000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=9
  0.4399429E+04  0.7039086E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=10
  0.4831812E+04  0.7028089E+09  0.6875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=11
  0.5262358E+04  0.7016477E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=12
  0.5262358E+04  0.6476748E+09  0.8125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=13
  0.5262358E+04  0.6014124E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=14
  0.5262358E+04  0.5613182E+09  0.9375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=15
  0.5262358E+04  0.5262358E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=16
  0.5262358E+04  0.4952808E+09  0.1062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=17
  0.5262358E+04  0.4677652E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=18
  0.5262358E+04  0.4431459E+09  0.1187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=19
  0.5262358E+04  0.4209886E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=20
  0.5262358E+04  0.4009416E+09  0.1312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=21
  0.5262358E+04  0.3827170E+09  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=22
  0.5262358E+04  0.3660771E+09  0.1437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=23
  0.5336628E+04  0.3557752E+09  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=24
  0.5458834E+04  0.3493654E+09  0.1562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=25
  0.5580455E+04  0.3434126E+09  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=26
  0.5700405E+04  0.3378018E+09  0.1687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=27
  0.5820205E+04  0.3325831E+09  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=28
  0.5938468E+04  0.3276396E+09  0.1812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=29
  0.6056611E+04  0.3230193E+09  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=30
  0.6173703E+04  0.3186427E+09  0.1937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=31
  0.6290348E+04  0.3145174E+09  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=32
  0.6406723E+04  0.3106290E+09  0.2062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=33
  0.6522022E+04  0.3069187E+09  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=34
  0.6637221E+04  0.3034158E+09  0.2187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=35
  0.6752169E+04  0.3000964E+09  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=36
  0.6866169E+04  0.2969154E+09  0.2312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=37
  0.6980072E+04  0.2938978E+09  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=38
  0.7093877E+04  0.2910308E+09  0.2437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=39
  0.7319781E+04  0.2856500E+09  0.2562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=40
  0.7544992E+04  0.2807439E+09  0.2687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=41
  0.7768749E+04  0.2762222E+09  0.2812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=42
  0.7991741E+04  0.2720593E+09  0.2937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=43
  0.8214102E+04  0.2682156E+09  0.3062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=44
  0.8435133E+04  0.2646316E+09  0.3187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=45
  0.8655797E+04  0.2613071E+09  0.3312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=46
  0.8876003E+04  0.2582110E+09  0.3437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=47
  0.9094950E+04  0.2552969E+09  0.3562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=48
  0.9313536E+04  0.2525705E+09  0.3687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=49
  0.9531758E+04  0.2500133E+09  0.3812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=50
  0.9749526E+04  0.2476070E+09  0.3937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=51
  0.9966258E+04  0.2453233E+09  0.4062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=52
  0.1018263E+05  0.2431673E+09  0.4187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=53
  0.1039864E+05  0.2411279E+09  0.4312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=54
  0.1061429E+05  0.2391953E+09  0.4437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=55
  0.1082957E+05  0.2373605E+09  0.4562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=56
  0.1104404E+05  0.2356062E+09  0.4687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=57
  0.1125806E+05  0.2339337E+09  0.4812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=58
  0.1147171E+05  0.2323385E+09  0.4937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=59
  0.1168500E+05  0.2308149E+09  0.5062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=60
  0.1189793E+05  0.2293577E+09  0.5187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=61
  0.1211048E+05  0.2279620E+09  0.5312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=62
  0.1232267E+05  0.2266238E+09  0.5437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=63
  0.1253437E+05  0.2253370E+09  0.5562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=64
  0.1274547E+05  0.2240962E+09  0.5687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=65
  0.1295620E+05  0.2229024E+09  0.5812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=66
  0.1316656E+05  0.2217526E+09  0.5937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=67
  0.1337655E+05  0.2206441E+09  0.6062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=68
  0.1358616E+05  0.2195742E+09  0.6187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=69
  0.1379539E+05  0.2185408E+09  0.6312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=70
  0.1400423E+05  0.2175415E+09  0.6437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=71
  0.1421270E+05  0.2165744E+09  0.6562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=72
  0.1442077E+05  0.2156377E+09  0.6687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=73
  0.1462846E+05  0.2147297E+09  0.6812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=74
  0.1483576E+05  0.2138487E+09  0.6937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=75
  0.1504263E+05  0.2129930E+09  0.7062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=76
  0.1524897E+05  0.2121595E+09  0.7187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=77
  0.1545491E+05  0.2113492E+09  0.7312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=78
  0.1566046E+05  0.2105608E+09  0.7437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=79
  0.1647863E+05  0.2076048E+09  0.7937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=80
  0.1727895E+05  0.2047876E+09  0.8437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=81
  0.1793452E+05  0.2006659E+09  0.8937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=82
  0.1839308E+05  0.1948936E+09  0.9437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=83
  0.1883180E+05  0.1895024E+09  0.9937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=84
  0.1923576E+05  0.1842948E+09  0.1043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=85
  0.1950350E+05  0.1783177E+09  0.1093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=86
  0.1974570E+05  0.1726400E+09  0.1143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=87
  0.1998449E+05  0.1674093E+09  0.1193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=88
  0.2022068E+05  0.1625783E+09  0.1243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=89
  0.2045421E+05  0.1581002E+09  0.1293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=90
  0.2068101E+05  0.1539052E+09  0.1343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=91
  0.2086878E+05  0.1497311E+09  0.1393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=92
  0.2099005E+05  0.1453856E+09  0.1443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=93
  0.2109739E+05  0.1412378E+09  0.1493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=94
  0.2120138E+05  0.1373369E+09  0.1543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=95
  0.2130222E+05  0.1336610E+09  0.1593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=96
  0.2140122E+05  0.1301975E+09  0.1643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=97
  0.2149825E+05  0.1269269E+09  0.1693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=98
  0.2159339E+05  0.1238331E+09  0.1743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=99
  0.2168626E+05  0.1208990E+09  0.1793750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=100
  0.2177601E+05  0.1181072E+09  0.1843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=101
  0.2186447E+05  0.1154560E+09  0.1893750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=102
  0.2195120E+05  0.1129322E+09  0.1943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=103
  0.2203678E+05  0.1105293E+09  0.1993750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=104
  0.2212084E+05  0.1082365E+09  0.2043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=105
  0.2220124E+05  0.1060358E+09  0.2093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=106
  0.2227723E+05  0.1039171E+09  0.2143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=107
  0.2233394E+05  0.1018071E+09  0.2193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=108
  0.2238091E+05  0.9974777E+08  0.2243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=109
  0.2241438E+05  0.9771936E+08  0.2293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=110
  0.2244347E+05  0.9575879E+08  0.2343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=111
  0.2247062E+05  0.9387206E+08  0.2393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=112
  0.2249747E+05  0.9206127E+08  0.2443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=113
  0.2252368E+05  0.9032053E+08  0.2493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=114
  0.2254958E+05  0.8864699E+08  0.2543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=115
  0.2257508E+05  0.8703645E+08  0.2593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=116
  0.2259778E+05  0.8547625E+08  0.2643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=117
  0.2261969E+05  0.8397102E+08  0.2693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=118
  0.2264131E+05  0.8251957E+08  0.2743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=119
  0.2275369E+05  0.7475546E+08  0.3043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=120
  0.2284348E+05  0.6831694E+08  0.3343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=121
  0.2284348E+05  0.6269222E+08  0.3643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=122
    4                                                                           Line 6 : number of output p-y curves
  0.6000000E+02   17                                                            Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for stiff clay w/o water
  0.1237333E-03  0.2840450E+02                                                  Line 8(2): y, p, for stiff clay w/o water
  0.6186667E-03  0.1420225E+03                                                  Line 8(3): y, p, for stiff clay w/o water
  0.1237333E-02  0.2348148E+03                                                  Line 8(4): y, p, for stiff clay w/o water
  0.6186667E-02  0.3511300E+03                                                  Line 8(5): y, p, for stiff clay w/o water
  0.1237333E-01  0.4175664E+03                                                  Line 8(6): y, p, for stiff clay w/o water
  0.6186667E-01  0.6244073E+03                                                  Line 8(7): y, p, for stiff clay w/o water
  0.1237333E+00  0.7425496E+03                                                  Line 8(8): y, p, for stiff clay w/o water
  0.3093333E+00  0.9337067E+03                                                  Line 8(9): y, p, for stiff clay w/o water
  0.6186667E+00  0.1110371E+04                                                  Line 8(10): y, p, for stiff clay w/o water
  0.9280000E+00  0.1228827E+04                                                  Line 8(11): y, p, for stiff clay w/o water
  0.1237333E+01  0.1320461E+04                                                  Line 8(12): y, p, for stiff clay w/o water
  0.3093333E+01  0.1660391E+04                                                  Line 8(13): y, p, for stiff clay w/o water
  0.6186667E+01  0.1974549E+04                                                  Line 8(14): y, p, for stiff clay w/o water
  0.1237333E+02  0.2348148E+04                                                  Line 8(15): y, p, for stiff clay w/o water
  0.1268267E+02  0.2348148E+04                                                  Line 8(16): y, p, for stiff clay w/o water
  0.1299200E+02  0.2348148E+04                                                  Line 8(17): y, p, for stiff clay w/o water
  0.1800000E+03   17                                                            Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for stiff clay w/o water
  0.1024000E-03  0.4609469E+02                                                  Line 8(2): y, p, for stiff clay w/o water
  0.5120000E-03  0.2304735E+03                                                  Line 8(3): y, p, for stiff clay w/o water
  0.1024000E-02  0.4391667E+03                                                  Line 8(4): y, p, for stiff clay w/o water
  0.5120000E-02  0.6567073E+03                                                  Line 8(5): y, p, for stiff clay w/o water
  0.1024000E-01  0.7809610E+03                                                  Line 8(6): y, p, for stiff clay w/o water
  0.5120000E-01  0.1167809E+04                                                  Line 8(7): y, p, for stiff clay w/o water
  0.1024000E+00  0.1388767E+04                                                  Line 8(8): y, p, for stiff clay w/o water
  0.2560000E+00  0.1746282E+04                                                  Line 8(9): y, p, for stiff clay w/o water
  0.5120000E+00  0.2076691E+04                                                  Line 8(10): y, p, for stiff clay w/o water
  0.7680000E+00  0.2298236E+04                                                  Line 8(11): y, p, for stiff clay w/o water
  0.1024000E+01  0.2469616E+04                                                  Line 8(12): y, p, for stiff clay w/o water
  0.2560000E+01  0.3105377E+04                                                  Line 8(13): y, p, for stiff clay w/o water
  0.5120000E+01  0.3692937E+04                                                  Line 8(14): y, p, for stiff clay w/o water
  0.1024000E+02  0.4391667E+04                                                  Line 8(15): y, p, for stiff clay w/o water
  0.1049600E+02  0.4391667E+04                                                  Line 8(16): y, p, for stiff clay w/o water
  0.1075200E+02  0.4391667E+04                                                  Line 8(17): y, p, for stiff clay w/o water
  0.3000000E+03   17                                                            Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for weak rock
  0.4768284E-03  0.1422556E+05                                                  Line 8(2): y, p, for weak rock
  0.3155292E-02  0.2281596E+05                                                  Line 8(3): y, p, for weak rock
  0.5833755E-02  0.2660516E+05                                                  Line 8(4): y, p, for weak rock
  0.8512218E-02  0.2924082E+05                                                  Line 8(5): y, p, for weak rock
  0.1119068E-01  0.3131071E+05                                                  Line 8(6): y, p, for weak rock
  0.1386915E-01  0.3303629E+05                                                  Line 8(7): y, p, for weak rock
  0.2726146E-01  0.3911705E+05                                                  Line 8(8): y, p, for weak rock
  0.4065378E-01  0.4322690E+05                                                  Line 8(9): y, p, for weak rock
  0.5404610E-01  0.4641624E+05                                                  Line 8(10): y, p, for weak rock
  0.6743841E-01  0.4905753E+05                                                  Line 8(11): y, p, for weak rock
  0.8083073E-01  0.5133020E+05                                                  Line 8(12): y, p, for weak rock
  0.9422305E-01  0.5333571E+05                                                  Line 8(13): y, p, for weak rock
  0.1076154E+00  0.5513754E+05                                                  Line 8(14): y, p, for weak rock
  0.1210077E+00  0.5677826E+05                                                  Line 8(15): y, p, for weak rock
  0.1344000E+00  0.5828793E+05                                                  Line 8(16): y, p, for weak rock
  0.1680000E+00  0.5828793E+05                                                  Line 8(17): y, p, for weak rock
  0.4200000E+03   17                                                            Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for weak rock
  0.4707760E-03  0.2132861E+05                                                  Line 8(2): y, p, for weak rock
  0.3149360E-02  0.3430161E+05                                                  Line 8(3): y, p, for weak rock
  0.5827945E-02  0.4000717E+05                                                  Line 8(4): y, p, for weak rock
  0.8506529E-02  0.4397411E+05                                                  Line 8(5): y, p, for weak rock
  0.1118511E-01  0.4708896E+05                                                  Line 8(6): y, p, for weak rock
  0.1386370E-01  0.4968539E+05                                                  Line 8(7): y, p, for weak rock
  0.2725662E-01  0.5883381E+05                                                  Line 8(8): y, p, for weak rock
  0.4064954E-01  0.6501639E+05                                                  Line 8(9): y, p, for weak rock
  0.5404247E-01  0.6981404E+05                                                  Line 8(10): y, p, for weak rock
  0.6743539E-01  0.7378718E+05                                                  Line 8(11): y, p, for weak rock
  0.8082831E-01  0.7720578E+05                                                  Line 8(12): y, p, for weak rock
  0.9422123E-01  0.8022249E+05                                                  Line 8(13): y, p, for weak rock
  0.1076142E+00  0.8293280E+05                                                  Line 8(14): y, p, for weak rock
  0.1210071E+00  0.8540074E+05                                                  Line 8(15): y, p, for weak rock
  0.1344000E+00  0.8767157E+05                                                  Line 8(16): y, p, for weak rock
  0.1680000E+00  0.8767157E+05                                                  Line 8(17): y, p, for weak rock
    3  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.1565894E-01  0.6000000E+06  0.3000000E+05 -0.2772320E+03  0.1686227E+13 Line 10(  1): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.1485144E-01  0.7410485E+06  0.2864910E+05 -0.2856421E+03  0.1686227E+13 Line 10(  2): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.1405406E-01  0.8755128E+06  0.2725846E+05 -0.2937930E+03  0.1686227E+13 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.1326864E-01  0.1003205E+07  0.2582936E+05 -0.3016648E+03  0.1686227E+13 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.1249694E-01  0.1123942E+07  0.2436319E+05 -0.3092371E+03  0.1686226E+13 Line 10(  5): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.1174059E-01  0.1237550E+07  0.2286145E+05 -0.3164889E+03  0.1686225E+13 Line 10(  6): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.1100114E-01  0.1343861E+07  0.2132572E+05 -0.3233986E+03  0.1686224E+13 Line 10(  7): nodal depth, y, M, V, p, EI
  0.3360000E+02  0.1028006E-01  0.1442715E+07  0.1975770E+05 -0.3299439E+03  0.1686223E+13 Line 10(  8): nodal depth, y, M, V, p, EI
  0.3840000E+02  0.9578698E-02  0.1533961E+07  0.1815919E+05 -0.3361018E+03  0.1686222E+13 Line 10(  9): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.8898291E-02  0.1617458E+07  0.1653211E+05 -0.3418483E+03  0.1686222E+13 Line 10( 10): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.8239984E-02  0.1693071E+07  0.1487849E+05 -0.3471588E+03  0.1686221E+13 Line 10( 11): nodal depth, y, M, V, p, EI
  0.5280000E+02  0.7604811E-02  0.1760679E+07  0.1320049E+05 -0.3520074E+03  0.1686221E+13 Line 10( 12): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.6993695E-02  0.1820170E+07  0.1150039E+05 -0.3563674E+03  0.1686221E+13 Line 10( 13): nodal depth, y, M, V, p, EI
  0.6240000E+02  0.6407450E-02  0.1871442E+07  0.9780607E+04 -0.3602107E+03  0.1686221E+13 Line 10( 14): nodal depth, y, M, V, p, EI
  0.6720000E+02  0.5846775E-02  0.1914408E+07  0.8043683E+04 -0.3635080E+03  0.1686220E+13 Line 10( 15): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.5312259E-02  0.1948990E+07  0.6292316E+04 -0.3662282E+03  0.1686220E+13 Line 10( 16): nodal depth, y, M, V, p, EI
  0.7680000E+02  0.4804372E-02  0.1975127E+07  0.4529355E+04 -0.3683386E+03  0.1686220E+13 Line 10( 17): nodal depth, y, M, V, p, EI
  0.8160000E+02  0.4323473E-02  0.1992768E+07  0.2757812E+04 -0.3698044E+03  0.1686220E+13 Line 10( 18): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.3869803E-02  0.2001882E+07  0.9808693E+03 -0.3705883E+03  0.1686220E+13 Line 10( 19): nodal depth, y, M, V, p, EI
  0.9120000E+02  0.3443486E-02  0.2002449E+07 -0.7981019E+03 -0.3706498E+03  0.1686220E+13 Line 10( 20): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.3044530E-02  0.1994468E+07 -0.2575529E+04 -0.3699449E+03  0.1686220E+13 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.2672825E-02  0.1977955E+07 -0.4347617E+04 -0.3684250E+03  0.1686220E+13 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1056000E+03  0.2328147E-02  0.1952946E+07 -0.6110322E+04 -0.3660355E+03  0.1686220E+13 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1104000E+03  0.2010153E-02  0.1919495E+07 -0.7859322E+04 -0.3627144E+03  0.1686220E+13 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.1718387E-02  0.1877679E+07 -0.9589971E+04 -0.3583893E+03  0.1686221E+13 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1452276E-02  0.1827598E+07 -0.1129724E+05 -0.3529738E+03  0.1686221E+13 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1248000E+03  0.1211138E-02  0.1769378E+07 -0.1297565E+05 -0.3463615E+03  0.1686221E+13 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1296000E+03  0.9941752E-03  0.1703169E+07 -0.1461912E+05 -0.3384171E+03  0.1686221E+13 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1344000E+03  0.8004843E-03  0.1629157E+07 -0.1611923E+05 -0.2866319E+03  0.1686222E+13 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1392000E+03  0.6290537E-03  0.1548534E+07 -0.1736162E+05 -0.2310295E+03  0.1686222E+13 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.4787817E-03  0.1462582E+07 -0.1834880E+05 -0.1802959E+03  0.1686223E+13 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1488000E+03  0.3484941E-03  0.1372470E+07 -0.1910435E+05 -0.1345169E+03  0.1686223E+13 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1536000E+03  0.2369594E-03  0.1279253E+07 -0.1965213E+05 -0.9372562E+02  0.1686224E+13 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1584000E+03  0.1429039E-03  0.1183871E+07 -0.2001604E+05 -0.5790358E+02  0.1686225E+13 Line 10( 34): nodal depth, y, M, V, p, EI
  0.1632000E+03  0.6502453E-04  0.1087151E+07 -0.2021977E+05 -0.2698318E+02  0.1686226E+13 Line 10( 35): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.1999563E-05  0.9898037E+06 -0.2028657E+05 -0.8495471E+00  0.1686227E+13 Line 10( 36): nodal depth, y, M, V, p, EI
  0.1728000E+03 -0.4750108E-04  0.8924332E+06 -0.2023903E+05  0.2065751E+02  0.1686227E+13 Line 10( 37): nodal depth, y, M, V, p, EI
  0.1776000E+03 -0.8480784E-04  0.7955350E+06 -0.2009887E+05  0.3774173E+02  0.1686227E+13 Line 10( 38): nodal depth, y, M, V, p, EI
  0.1824000E+03 -0.1112447E-03  0.6995032E+06 -0.1988674E+05  0.5064878E+02  0.1686227E+13 Line 10( 39): nodal depth, y, M, V, p, EI
  0.1872000E+03 -0.1281238E-03  0.6046354E+06 -0.1962198E+05  0.5966496E+02  0.1686227E+13 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.1367413E-03  0.5111398E+06 -0.1932251E+05  0.6511611E+02  0.1686227E+13 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1968000E+03 -0.1383749E-03  0.4191424E+06 -0.1900455E+05  0.6736698E+02  0.1686227E+13 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2016000E+03 -0.1342814E-03  0.3286954E+06 -0.1868250E+05  0.6682084E+02  0.1686227E+13 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2064000E+03 -0.1256967E-03  0.2397866E+06 -0.1836872E+05  0.6391963E+02  0.1686227E+13 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2112000E+03 -0.1138357E-03  0.1523495E+06 -0.1807337E+05  0.5914439E+02  0.1686227E+13 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.9989307E-04  0.6627449E+05 -0.1613335E+05  0.7491980E+03  0.1686227E+13 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2208000E+03 -0.8504486E-04 -0.2539261E+04 -0.1259179E+05  0.7264511E+03  0.1686227E+13 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2256000E+03 -0.7023134E-04 -0.5461557E+05 -0.9231216E+04  0.6737874E+03  0.1686227E+13 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2304000E+03 -0.5616408E-04 -0.9116760E+05 -0.6177824E+04  0.5984594E+03  0.1686227E+13 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2352000E+03 -0.4334249E-04 -0.1139307E+06 -0.3521638E+04  0.5082843E+03  0.1686227E+13 Line 10( 50): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.3207761E-04 -0.1249826E+06 -0.1315667E+04  0.4108706E+03  0.1686227E+13 Line 10( 51): nodal depth, y, M, V, p, EI
  0.2448000E+03 -0.2252045E-04 -0.1265674E+06  0.4217053E+03  0.3130343E+03  0.1686227E+13 Line 10( 52): nodal depth, y, M, V, p, EI
  0.2496000E+03 -0.1469266E-04 -0.1209394E+06  0.1701967E+04  0.2204081E+03  0.1686227E+13 Line 10( 53): nodal depth, y, M, V, p, EI
  0.2544000E+03 -0.8517346E-05 -0.1102327E+06  0.2560309E+04  0.1372344E+03  0.1686227E+13 Line 10( 54): nodal depth, y, M, V, p, EI
  0.2592000E+03 -0.3848210E-05 -0.9636369E+05  0.3048833E+04  0.6631748E+02  0.1686227E+13 Line 10( 55): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.4957528E-06 -0.8096631E+05  0.3229845E+04  0.9104103E+01  0.1686227E+13 Line 10( 56): nodal depth, y, M, V, p, EI
  0.2688000E+03  0.1750409E-05 -0.6535885E+05  0.3169755E+04 -0.3414163E+02  0.1686227E+13 Line 10( 57): nodal depth, y, M, V, p, EI
  0.2736000E+03  0.3103532E-05 -0.5053774E+05  0.2933963E+04 -0.6410517E+02  0.1686227E+13 Line 10( 58): nodal depth, y, M, V, p, EI
  0.2784000E+03  0.3766124E-05 -0.3719341E+05  0.2582922E+04 -0.8216195E+02  0.1686227E+13 Line 10( 59): nodal depth, y, M, V, p, EI
  0.2832000E+03  0.3920519E-05 -0.2574194E+05  0.2169448E+04 -0.9011870E+02  0.1686227E+13 Line 10( 60): nodal depth, y, M, V, p, EI
  0.2880000E+03  0.3723186E-05 -0.1636669E+05  0.1737219E+04 -0.8997699E+02  0.1686227E+13 Line 10( 61): nodal depth, y, M, V, p, EI
  0.2928000E+03  0.3302224E-05 -0.9064454E+04  0.1320313E+04 -0.8373379E+02  0.1686227E+13 Line 10( 62): nodal depth, y, M, V, p, EI
  0.2976000E+03  0.2757408E-05 -0.3691403E+04  0.9436046E+03 -0.7322790E+02  0.1686227E+13 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3024000E+03  0.2162154E-05 -0.5507727E+01  0.6092421E+03 -0.6608984E+02  0.7077917E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3072000E+03  0.1566721E-05  0.2157678E+04  0.3304700E+03 -0.5006517E+02  0.7077917E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3120000E+03  0.1041525E-05  0.3167341E+04  0.1269365E+03 -0.3474045E+02  0.7077917E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3168000E+03  0.6194315E-06  0.3376553E+04 -0.8125918E+01 -0.2153557E+02  0.7077917E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.3216000E+03  0.3072516E-06  0.3089552E+04 -0.8649737E+02 -0.1111920E+02  0.7077917E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.3264000E+03  0.9564267E-07  0.2546335E+04 -0.1218196E+03 -0.3598374E+01  0.7077917E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.3312000E+03 -0.3307810E-07  0.1920187E+04 -0.1273541E+03  0.1292304E+01  0.7077917E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.9929304E-07  0.1323794E+04 -0.1145954E+03  0.4023820E+01  0.7077917E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.3408000E+03 -0.1224159E-06  0.8200973E+03 -0.9260096E+02  0.5140540E+01  0.7077917E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.3456000E+03 -0.1188430E-06  0.4348306E+03 -0.6814168E+02  0.5050828E+01  0.7077917E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.3504000E+03 -0.1011155E-06  0.1659308E+03 -0.4566096E+02  0.4316136E+01  0.7077917E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.3552000E+03 -0.7798669E-07 -0.3526895E+01 -0.2727827E+02  0.3343318E+01  0.7077917E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.5497265E-07 -0.9595449E+02 -0.1357380E+02  0.2366878E+01  0.7077917E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.3648000E+03 -0.3508211E-07 -0.1338483E+03 -0.4252552E+01  0.1516976E+01  0.7077917E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.3696000E+03 -0.1954860E-07 -0.1367896E+03  0.1425590E+01  0.8489159E+00  0.7077917E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.3744000E+03 -0.8467851E-08 -0.1201706E+03  0.4349290E+01  0.3692924E+00  0.7077917E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.3792000E+03 -0.1298893E-08 -0.9504191E+02  0.5372120E+01  0.5688669E-01  0.7077917E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.2776266E-08 -0.6860162E+02  0.5215597E+01 -0.1221043E+00  0.7077917E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.3888000E+03  0.4618309E-08 -0.4497395E+02  0.4433006E+01 -0.2039753E+00  0.7077917E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.3936000E+03  0.4996362E-08 -0.2604543E+02  0.3411630E+01 -0.2215979E+00  0.7077917E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.3984000E+03  0.4526585E-08 -0.1222227E+02  0.2395954E+01 -0.2016007E+00  0.7077917E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.4032000E+03  0.3658950E-08 -0.3043869E+01  0.1519385E+01 -0.1636364E+00  0.7077917E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.2692231E-08  0.2364378E+01  0.8364949E+00 -0.1209011E+00  0.7077917E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.4128000E+03  0.1802477E-08  0.4987040E+01  0.3512642E+00 -0.8127835E-01  0.7077917E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.4176000E+03  0.1075061E-08  0.5736999E+01  0.3937292E-01 -0.4867636E-01  0.7077917E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.4224000E+03  0.5343950E-09  0.5365400E+01 -0.1357588E+00 -0.2429518E-01  0.7077917E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.4272000E+03  0.1683836E-09  0.4433987E+01 -0.2125146E+00 -0.7686402E-02  0.7077917E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.5329281E-10  0.3325436E+01 -0.2250997E+00  0.2442587E-02  0.7077917E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.4368000E+03 -0.1667198E-09  0.2273130E+01 -0.2008242E+00  0.7672199E-02  0.7077917E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.4416000E+03 -0.2061520E-09  0.1397570E+01 -0.1595510E+00  0.9524986E-02  0.7077917E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.4464000E+03 -0.2000906E-09  0.7414509E+00 -0.1144143E+00  0.9281980E-02  0.7077917E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.4512000E+03 -0.1698935E-09  0.2991817E+00 -0.7314721E-01  0.7912631E-02  0.7077917E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.1299574E-09  0.3921666E-01 -0.3957278E-01  0.6076712E-02  0.7077917E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.4608000E+03 -0.8874478E-10 -0.8074133E-01 -0.1499010E-01  0.4166074E-02  0.7077917E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.4656000E+03 -0.5016043E-10 -0.1047122E+00  0.6821859E-03  0.2364043E-02  0.7077917E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.4704000E+03 -0.1498467E-10 -0.7421448E-01  0.8057481E-02  0.7089970E-03  0.7077917E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.4752000E+03  0.1777526E-10 -0.2738075E-01  0.7732694E-02 -0.8443249E-03  0.7077917E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.4800000E+03  0.4964390E-10  0.0000000E+00  0.2484609E-04 -0.2367279E-02  0.7077917E+12 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.8904225E-02 -0.4149666E+06  0.3000000E+05 -0.2405142E+03  0.1686227E+13 Line 10(  1): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.8503022E-02 -0.2736170E+06  0.2882701E+05 -0.2482300E+03  0.1686227E+13 Line 10(  2): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.8098081E-02 -0.1379854E+06  0.2761754E+05 -0.2557163E+03  0.1686227E+13 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.7691254E-02 -0.8245020E+04  0.2637273E+05 -0.2629538E+03  0.1686227E+13 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.7284314E-02  0.1154370E+06  0.2509383E+05 -0.2699228E+03  0.1686227E+13 Line 10(  5): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.6878952E-02  0.2328994E+06  0.2378217E+05 -0.2766030E+03  0.1686227E+13 Line 10(  6): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.6476772E-02  0.3439880E+06  0.2243918E+05 -0.2829738E+03  0.1686227E+13 Line 10(  7): nodal depth, y, M, V, p, EI
  0.3360000E+02  0.6079292E-02  0.4485555E+06  0.2106641E+05 -0.2890140E+03  0.1686227E+13 Line 10(  8): nodal depth, y, M, V, p, EI
  0.3840000E+02  0.5687941E-02  0.5464623E+06  0.1966550E+05 -0.2947019E+03  0.1686227E+13 Line 10(  9): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.5304057E-02  0.6375768E+06  0.1823817E+05 -0.3000152E+03  0.1686227E+13 Line 10( 10): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.4928884E-02  0.7217765E+06  0.1678630E+05 -0.3049307E+03  0.1686227E+13 Line 10( 11): nodal depth, y, M, V, p, EI
  0.5280000E+02  0.4563573E-02  0.7989475E+06  0.1531185E+05 -0.3094248E+03  0.1686227E+13 Line 10( 12): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.4209179E-02  0.8689861E+06  0.1381690E+05 -0.3134728E+03  0.1686227E+13 Line 10( 13): nodal depth, y, M, V, p, EI
  0.6240000E+02  0.3866659E-02  0.9317988E+06  0.1230364E+05 -0.3170494E+03  0.1686227E+13 Line 10( 14): nodal depth, y, M, V, p, EI
  0.6720000E+02  0.3536870E-02  0.9873028E+06  0.1077442E+05 -0.3201281E+03  0.1686227E+13 Line 10( 15): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.3220571E-02  0.1035427E+07  0.9231675E+04 -0.3226814E+03  0.1686227E+13 Line 10( 16): nodal depth, y, M, V, p, EI
  0.7680000E+02  0.2918420E-02  0.1076112E+07  0.7678007E+04 -0.3246803E+03  0.1686226E+13 Line 10( 17): nodal depth, y, M, V, p, EI
  0.8160000E+02  0.2630973E-02  0.1109313E+07  0.6116147E+04 -0.3260944E+03  0.1686226E+13 Line 10( 18): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.2358683E-02  0.1134995E+07  0.4548981E+04 -0.3268915E+03  0.1686226E+13 Line 10( 19): nodal depth, y, M, V, p, EI
  0.9120000E+02  0.2101901E-02  0.1153142E+07  0.2979553E+04 -0.3270370E+03  0.1686226E+13 Line 10( 20): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1860875E-02  0.1163748E+07  0.1411079E+04 -0.3264937E+03  0.1686225E+13 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.1635751E-02  0.1166828E+07 -0.1530354E+03 -0.3252207E+03  0.1686225E+13 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1056000E+03  0.1426569E-02  0.1162410E+07 -0.1709180E+04 -0.3231726E+03  0.1686225E+13 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1104000E+03  0.1233270E-02  0.1150541E+07 -0.3253508E+04 -0.3202978E+03  0.1686226E+13 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.1055692E-02  0.1131287E+07 -0.4781909E+04 -0.3165359E+03  0.1686226E+13 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.8935716E-03  0.1104736E+07 -0.6251825E+04 -0.2959289E+03  0.1686226E+13 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1248000E+03  0.7465456E-03  0.1071362E+07 -0.7571288E+04 -0.2538473E+03  0.1686226E+13 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1296000E+03  0.6141583E-03  0.1032136E+07 -0.8694933E+04 -0.2143381E+03  0.1686227E+13 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1344000E+03  0.4958738E-03  0.9879662E+06 -0.9635486E+04 -0.1775591E+03  0.1686227E+13 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1392000E+03  0.3910885E-03  0.9397018E+06 -0.1040635E+05 -0.1436332E+03  0.1686227E+13 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.2991430E-03  0.8881243E+06 -0.1102142E+05 -0.1126489E+03  0.1686227E+13 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1488000E+03  0.2193325E-03  0.8339477E+06 -0.1149497E+05 -0.8466121E+02  0.1686227E+13 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1536000E+03  0.1509167E-03  0.7778171E+06 -0.1184142E+05 -0.5969277E+02  0.1686227E+13 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1584000E+03  0.9312873E-04  0.7203079E+06 -0.1207525E+05 -0.3773504E+02  0.1686227E+13 Line 10( 34): nodal depth, y, M, V, p, EI
  0.1632000E+03  0.4518281E-04  0.6619264E+06 -0.1221081E+05 -0.1874947E+02  0.1686227E+13 Line 10( 35): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.6281206E-05  0.6031102E+06 -0.1226221E+05 -0.2668673E+01  0.1686227E+13 Line 10( 36): nodal depth, y, M, V, p, EI
  0.1728000E+03 -0.2437971E-04  0.5442301E+06 -0.1224317E+05  0.1060237E+02  0.1686227E+13 Line 10( 37): nodal depth, y, M, V, p, EI
  0.1776000E+03 -0.4760446E-04  0.4855919E+06 -0.1216688E+05  0.2118524E+02  0.1686227E+13 Line 10( 38): nodal depth, y, M, V, p, EI
  0.1824000E+03 -0.6419426E-04  0.4274399E+06 -0.1204589E+05  0.2922711E+02  0.1686227E+13 Line 10( 39): nodal depth, y, M, V, p, EI
  0.1872000E+03 -0.7494367E-04  0.3699596E+06 -0.1189199E+05  0.3489993E+02  0.1686227E+13 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.8063808E-04  0.3132818E+06 -0.1171607E+05  0.3839979E+02  0.1686227E+13 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1968000E+03 -0.8205193E-04  0.2574875E+06 -0.1152804E+05  0.3994649E+02  0.1686227E+13 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2016000E+03 -0.7994755E-04  0.2026125E+06 -0.1133668E+05  0.3978334E+02  0.1686227E+13 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2064000E+03 -0.7507475E-04  0.1486532E+06 -0.1114958E+05  0.3817721E+02  0.1686227E+13 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2112000E+03 -0.6817081E-04  0.9557297E+05 -0.1097295E+05  0.3541877E+02  0.1686227E+13 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.5996099E-04  0.4330838E+05 -0.9808646E+04  0.4497075E+03  0.1686227E+13 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2208000E+03 -0.5115943E-04  0.1404866E+04 -0.7680542E+04  0.4370026E+03  0.1686227E+13 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2256000E+03 -0.4233866E-04 -0.3043011E+05 -0.5656880E+04  0.4061898E+03  0.1686227E+13 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2304000E+03 -0.3393369E-04 -0.5290635E+05 -0.3814227E+04  0.3615823E+03  0.1686227E+13 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2352000E+03 -0.2625160E-04 -0.6705151E+05 -0.2207573E+04  0.3078568E+03  0.1686227E+13 Line 10( 50): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.1948569E-04 -0.7410338E+05 -0.8697124E+03  0.2495852E+03  0.1686227E+13 Line 10( 51): nodal depth, y, M, V, p, EI
  0.2448000E+03 -0.1373229E-04 -0.7540451E+05  0.1874014E+03  0.1908789E+03  0.1686227E+13 Line 10( 52): nodal depth, y, M, V, p, EI
  0.2496000E+03 -0.9009201E-05 -0.7230747E+05  0.9698687E+03  0.1351491E+03  0.1686227E+13 Line 10( 53): nodal depth, y, M, V, p, EI
  0.2544000E+03 -0.5274092E-05 -0.6609631E+05  0.1498174E+04  0.8497799E+02  0.1686227E+13 Line 10( 54): nodal depth, y, M, V, p, EI
  0.2592000E+03 -0.2442099E-05 -0.5792698E+05  0.1803126E+04  0.4208550E+02  0.1686227E+13 Line 10( 55): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.4015990E-06 -0.4878776E+05  0.1921831E+04  0.7375043E+01  0.1686227E+13 Line 10( 56): nodal depth, y, M, V, p, EI
  0.2688000E+03  0.9722822E-06 -0.3947842E+05  0.1894017E+04 -0.1896430E+02  0.1686227E+13 Line 10( 57): nodal depth, y, M, V, p, EI
  0.2736000E+03  0.1806744E-05 -0.3060585E+05  0.1758937E+04 -0.3731931E+02  0.1686227E+13 Line 10( 58): nodal depth, y, M, V, p, EI
  0.2784000E+03  0.2223019E-05 -0.2259300E+05  0.1552976E+04 -0.4849749E+02  0.1686227E+13 Line 10( 59): nodal depth, y, M, V, p, EI
  0.2832000E+03  0.2330591E-05 -0.1569744E+05  0.1308010E+04 -0.5357195E+02  0.1686227E+13 Line 10( 60): nodal depth, y, M, V, p, EI
  0.2880000E+03  0.2223679E-05 -0.1003611E+05  0.1050464E+04 -0.5373891E+02  0.1686227E+13 Line 10( 61): nodal depth, y, M, V, p, EI
  0.2928000E+03  0.1979637E-05 -0.5612884E+04  0.8010168E+03 -0.5019724E+02  0.1686227E+13 Line 10( 62): nodal depth, y, M, V, p, EI
  0.2976000E+03  0.1658902E-05 -0.2346179E+04  0.5748111E+03 -0.4405512E+02  0.1686227E+13 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3024000E+03  0.1306111E-05 -0.9449492E+02  0.3732625E+03 -0.3992345E+02  0.7077917E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3072000E+03  0.9502429E-06  0.1237354E+04  0.2045694E+03 -0.3036537E+02  0.7077917E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3120000E+03  0.6346534E-06  0.1869573E+04  0.8088664E+02 -0.2116910E+02  0.7077917E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3168000E+03  0.3799221E-06  0.2014037E+04 -0.1619904E+01 -0.1320862E+02  0.7077917E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.3216000E+03  0.1907516E-06  0.1854155E+04 -0.4988818E+02 -0.6903156E+01  0.7077917E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.3264000E+03  0.6193751E-07  0.1535206E+04 -0.7204843E+02 -0.2330281E+01  0.7077917E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.3312000E+03 -0.1690265E-07  0.1162552E+04 -0.7605624E+02  0.6603571E+00  0.7077917E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.5789948E-07  0.8051017E+03 -0.6884013E+02  0.2346359E+01  0.7077917E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.3408000E+03 -0.7268868E-07  0.5017036E+03 -0.5588317E+02  0.3052373E+01  0.7077917E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.3456000E+03 -0.7114644E-07  0.2686272E+03 -0.4130054E+02  0.3023724E+01  0.7077917E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.3504000E+03 -0.6085987E-07  0.1052149E+03 -0.2780885E+02  0.2597815E+01  0.7077917E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.3552000E+03 -0.4714834E-07  0.1655107E+01 -0.1672305E+02  0.2021267E+01  0.7077917E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.3338294E-07 -0.5533467E+02 -0.8422439E+01  0.1437321E+01  0.7077917E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.3648000E+03 -0.2141879E-07 -0.7920803E+02 -0.2750073E+01  0.9261645E+00  0.7077917E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.3696000E+03 -0.1203302E-07 -0.8174178E+02  0.7268295E+00  0.5225451E+00  0.7077917E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.3744000E+03 -0.5308102E-08 -0.7223530E+02  0.2536519E+01  0.2314922E+00  0.7077917E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.3792000E+03 -0.9345830E-09 -0.5739453E+02  0.3190335E+01  0.4093127E-01  0.7077917E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.1570632E-08 -0.4161014E+02  0.3122781E+01 -0.6907873E-01  0.7077917E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.3888000E+03  0.2721356E-08 -0.2741692E+02  0.2668529E+01 -0.1201932E+00  0.7077917E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.3936000E+03  0.2979605E-08 -0.1599269E+02  0.2062903E+01 -0.1321510E+00  0.7077917E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.3984000E+03  0.2717262E-08 -0.7613057E+01  0.1455295E+01 -0.1210188E+00  0.7077917E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.4032000E+03  0.2207098E-08 -0.2021624E+01  0.9279548E+00 -0.9870633E-01  0.7077917E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.1631127E-08  0.1295635E+01  0.5152604E+00 -0.7324968E-01  0.7077917E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.4128000E+03  0.1097331E-08  0.2925209E+01  0.2207056E+00 -0.4948150E-01  0.7077917E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.4176000E+03  0.6587563E-09  0.3414700E+01  0.3036512E-01 -0.2982702E-01  0.7077917E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.4224000E+03  0.3313368E-09  0.3216944E+01 -0.7737225E-01 -0.1506355E-01  0.7077917E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.4272000E+03  0.1086351E-09  0.2672092E+01 -0.1254263E+00 -0.4958989E-02  0.7077917E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.2708486E-10  0.2012958E+01 -0.1343486E+00  0.1241389E-02  0.7077917E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.4368000E+03 -0.9727906E-10  0.1382407E+01 -0.1206253E+00  0.4476638E-02  0.7077917E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.4416000E+03 -0.1224732E-09  0.8549837E+00 -0.9630047E-01  0.5658716E-02  0.7077917E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.4464000E+03 -0.1198360E-09  0.4579291E+00 -0.6937782E-01  0.5559058E-02  0.7077917E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.4512000E+03 -0.1022923E-09  0.1889507E+00 -0.4460207E-01  0.4764168E-02  0.7077917E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.7859784E-10  0.2973680E-01 -0.2434765E-01  0.3675177E-02  0.7077917E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.4608000E+03 -0.5393542E-10 -0.4480128E-01 -0.9450501E-02  0.2531968E-02  0.7077917E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.4656000E+03 -0.3073137E-10 -0.6100237E-01  0.1022822E-03  0.1448358E-02  0.7077917E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.4704000E+03 -0.9513064E-11 -0.4383270E-01  0.4658603E-02  0.4501089E-03  0.7077917E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.4752000E+03  0.1027840E-10 -0.1629209E-01  0.4567127E-02 -0.4882240E-03  0.7077917E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.4800000E+03  0.2953952E-10  0.0000000E+00  0.1475459E-04 -0.1408598E-02  0.7077917E+12 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.0000000E+00  0.3000000E+00 -0.3394424E+08  0.3394964E+06 -0.5797914E+03  0.1016287E+13 Line 10(  1): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.2996152E+00 -0.3232151E+08  0.3365917E+06 -0.6051406E+03  0.1016287E+13 Line 10(  2): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.2984977E+00 -0.3071251E+08  0.3336263E+06 -0.6304602E+03  0.1016287E+13 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.2966839E+00 -0.2911782E+08  0.3305395E+06 -0.6557205E+03  0.1025327E+13 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.2942158E+00 -0.2753805E+08  0.3273316E+06 -0.6808947E+03  0.1030410E+13 Line 10(  5): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.2911319E+00 -0.2597377E+08  0.3240032E+06 -0.7059542E+03  0.1035949E+13 Line 10(  6): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.2874704E+00 -0.2442559E+08  0.3205548E+06 -0.7308696E+03  0.1042052E+13 Line 10(  7): nodal depth, y, M, V, p, EI
  0.3360000E+02  0.2832688E+00 -0.2289409E+08  0.3169872E+06 -0.7556111E+03  0.1048787E+13 Line 10(  8): nodal depth, y, M, V, p, EI
  0.3840000E+02  0.2785643E+00 -0.2137984E+08  0.3133014E+06 -0.7801482E+03  0.1056318E+13 Line 10(  9): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.2733935E+00 -0.1988343E+08  0.3094984E+06 -0.8044499E+03  0.1064822E+13 Line 10( 10): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.2677924E+00 -0.1840543E+08  0.3055793E+06 -0.8284845E+03  0.1074504E+13 Line 10( 11): nodal depth, y, M, V, p, EI
  0.5280000E+02  0.2617967E+00 -0.1694639E+08  0.3015456E+06 -0.8522196E+03  0.1085702E+13 Line 10( 12): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.2554413E+00 -0.1550688E+08  0.2973988E+06 -0.8756222E+03  0.1098802E+13 Line 10( 13): nodal depth, y, M, V, p, EI
  0.6240000E+02  0.2487608E+00 -0.1408745E+08  0.2931405E+06 -0.8986586E+03  0.1114390E+13 Line 10( 14): nodal depth, y, M, V, p, EI
  0.6720000E+02  0.2417890E+00 -0.1268864E+08  0.2887727E+06 -0.9212942E+03  0.1133283E+13 Line 10( 15): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.2345593E+00 -0.1131097E+08  0.2842972E+06 -0.9434938E+03  0.1156668E+13 Line 10( 16): nodal depth, y, M, V, p, EI
  0.7680000E+02  0.2271043E+00 -0.9954980E+07  0.2797163E+06 -0.9652214E+03  0.1186390E+13 Line 10( 17): nodal depth, y, M, V, p, EI
  0.8160000E+02  0.2194559E+00 -0.8621166E+07  0.2750323E+06 -0.9864400E+03  0.1676931E+13 Line 10( 18): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.2116891E+00 -0.7310045E+07  0.2702476E+06 -0.1007164E+04  0.1679753E+13 Line 10( 19): nodal depth, y, M, V, p, EI
  0.9120000E+02  0.2038220E+00 -0.6022099E+07  0.2653648E+06 -0.1027348E+04  0.1682171E+13 Line 10( 20): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1958724E+00 -0.4757798E+07  0.2603865E+06 -0.1046945E+04  0.1684201E+13 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.1878578E+00 -0.3517600E+07  0.2553156E+06 -0.1065903E+04  0.1685615E+13 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1056000E+03  0.1797950E+00 -0.2301945E+07  0.2501555E+06 -0.1084170E+04  0.1686163E+13 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1104000E+03  0.1717008E+00 -0.1111260E+07  0.2449094E+06 -0.1101685E+04  0.1686226E+13 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.1635915E+00  0.5404654E+05  0.2395812E+06 -0.1118389E+04  0.1686227E+13 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1554828E+00  0.1193585E+07  0.2341750E+06 -0.1134211E+04  0.1686225E+13 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1248000E+03  0.1473905E+00  0.2306987E+07  0.2286951E+06 -0.1149081E+04  0.1686162E+13 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1296000E+03  0.1393297E+00  0.3393904E+07  0.2231463E+06 -0.1162917E+04  0.1685741E+13 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1344000E+03  0.1313153E+00  0.4454014E+07  0.2175338E+06 -0.1175632E+04  0.1684656E+13 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1392000E+03  0.1233618E+00  0.5487019E+07  0.2118632E+06 -0.1187130E+04  0.1683116E+13 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1154834E+00  0.6492650E+07  0.2061405E+06 -0.1197303E+04  0.1681325E+13 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1488000E+03  0.1076940E+00  0.7470668E+07  0.2003725E+06 -0.1206032E+04  0.1679403E+13 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1536000E+03  0.1000071E+00  0.8420869E+07  0.1945664E+06 -0.1213180E+04  0.1677419E+13 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1584000E+03  0.9243579E-01  0.9343083E+07  0.1887302E+06 -0.1218593E+04  0.1368043E+13 Line 10( 34): nodal depth, y, M, V, p, EI
  0.1632000E+03  0.8502188E-01  0.1023717E+08  0.1828723E+06 -0.1222182E+04  0.1179595E+13 Line 10( 35): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.7780793E-01  0.1110305E+08  0.1770017E+06 -0.1223900E+04  0.1160779E+13 Line 10( 36): nodal depth, y, M, V, p, EI
  0.1728000E+03  0.7081435E-01  0.1194065E+08  0.1711277E+06 -0.1223608E+04  0.1145321E+13 Line 10( 37): nodal depth, y, M, V, p, EI
  0.1776000E+03  0.6406098E-01  0.1275000E+08  0.1652602E+06 -0.1221158E+04  0.1132407E+13 Line 10( 38): nodal depth, y, M, V, p, EI
  0.1824000E+03  0.5756702E-01  0.1353112E+08  0.1594101E+06 -0.1216385E+04  0.1121450E+13 Line 10( 39): nodal depth, y, M, V, p, EI
  0.1872000E+03  0.5135106E-01  0.1428415E+08  0.1535889E+06 -0.1209108E+04  0.1112065E+13 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.4543104E-01  0.1500922E+08  0.1478092E+06 -0.1199127E+04  0.1103954E+13 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1968000E+03  0.3982427E-01  0.1570657E+08  0.1420843E+06 -0.1186221E+04  0.1096867E+13 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2016000E+03  0.3454742E-01  0.1637649E+08  0.1364291E+06 -0.1170144E+04  0.1090629E+13 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2064000E+03  0.2961653E-01  0.1701935E+08  0.1308592E+06 -0.1150625E+04  0.1085119E+13 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2112000E+03  0.2504700E-01  0.1763559E+08  0.1253921E+06 -0.1127365E+04  0.1080214E+13 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2160000E+03  0.2085363E-01  0.1822575E+08  0.1102213E+06 -0.5193785E+04  0.1075809E+13 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2208000E+03  0.1705059E-01  0.1869612E+08  0.7233670E+05 -0.1059146E+05  0.1072499E+13 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2256000E+03  0.1364919E-01  0.1892234E+08  0.1976328E+05 -0.1131413E+05  0.1070964E+13 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2304000E+03  0.1065487E-01  0.1888776E+08 -0.3586822E+05 -0.1186566E+05  0.1071196E+13 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2352000E+03  0.8066804E-02  0.1857968E+08 -0.9369348E+05 -0.1222820E+05  0.1073300E+13 Line 10( 50): nodal depth, y, M, V, p, EI
  0.2400000E+03  0.5877577E-02  0.1798974E+08 -0.1527532E+06 -0.1238003E+05  0.1077533E+13 Line 10( 51): nodal depth, y, M, V, p, EI
  0.2448000E+03  0.4073009E-02  0.1711445E+08 -0.2119677E+06 -0.1229268E+05  0.1084337E+13 Line 10( 52): nodal depth, y, M, V, p, EI
  0.2496000E+03  0.2632089E-02  0.1595582E+08 -0.2700886E+06 -0.1192434E+05  0.1094479E+13 Line 10( 53): nodal depth, y, M, V, p, EI
  0.2544000E+03  0.1527058E-02  0.1452236E+08 -0.3255926E+06 -0.1120232E+05  0.1109307E+13 Line 10( 54): nodal depth, y, M, V, p, EI
  0.2592000E+03  0.7236511E-03  0.1283071E+08 -0.3763840E+06 -0.9960791E+04  0.1131203E+13 Line 10( 55): nodal depth, y, M, V, p, EI
  0.2640000E+03  0.1815765E-03  0.1090948E+08 -0.4082927E+06 -0.3334506E+04  0.1164719E+13 Line 10( 56): nodal depth, y, M, V, p, EI
  0.2688000E+03 -0.1446913E-03  0.8911356E+07 -0.4095223E+06  0.2822195E+04  0.1676275E+13 Line 10( 57): nodal depth, y, M, V, p, EI
  0.2736000E+03 -0.3484746E-03  0.6978222E+07 -0.3854740E+06  0.7197937E+04  0.1680348E+13 Line 10( 58): nodal depth, y, M, V, p, EI
  0.2784000E+03 -0.4565765E-03  0.5210899E+07 -0.3442932E+06  0.9960695E+04  0.1683628E+13 Line 10( 59): nodal depth, y, M, V, p, EI
  0.2832000E+03 -0.4933685E-03  0.3673050E+07 -0.2931697E+06  0.1134078E+05  0.1685474E+13 Line 10( 60): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.4799509E-03  0.2396477E+07 -0.2381147E+06  0.1159881E+05  0.1686139E+13 Line 10( 61): nodal depth, y, M, V, p, EI
  0.2928000E+03 -0.4337870E-03  0.1387131E+07 -0.1838789E+06  0.1099945E+05  0.1686223E+13 Line 10( 62): nodal depth, y, M, V, p, EI
  0.2976000E+03 -0.3686698E-03  0.6312065E+06 -0.1339826E+06  0.9790685E+04  0.1686227E+13 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3024000E+03 -0.2949280E-03  0.1008567E+06 -0.8884901E+05  0.9014964E+04  0.7077917E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3072000E+03 -0.2179031E-03 -0.2217893E+06 -0.5050148E+05  0.6963175E+04  0.7077917E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1480979E-03 -0.3840015E+06 -0.2193419E+05  0.4939860E+04  0.7077917E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3168000E+03 -0.9079264E-04 -0.4323956E+06 -0.2502791E+04  0.3156557E+04  0.7077917E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.3216000E+03 -0.4756275E-04 -0.4080585E+06  0.9203970E+04  0.1721260E+04  0.7077917E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.3264000E+03 -0.1761595E-04 -0.3440595E+06  0.1492563E+05  0.6627668E+03  0.7077917E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.3312000E+03  0.1131035E-05 -0.2647870E+06  0.1641022E+05 -0.4418758E+02  0.7077917E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.1125869E-04 -0.1865300E+06  0.1520916E+05 -0.4562549E+03  0.7077917E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.3408000E+03  0.1531443E-04 -0.1187833E+06  0.1257073E+05 -0.6430899E+03  0.7077917E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.3456000E+03  0.1550354E-04 -0.6585221E+05  0.9445957E+04 -0.6589005E+03  0.7077917E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.3504000E+03  0.1354903E-04 -0.2810157E+05  0.6476573E+04 -0.5783430E+03  0.7077917E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.3552000E+03  0.1067977E-04 -0.3675667E+04  0.3989720E+04 -0.4578456E+03  0.7077917E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.7690850E-05  0.1020151E+05  0.2096170E+04 -0.3311338E+03  0.7077917E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.3648000E+03  0.5034011E-05  0.1644926E+05  0.7790303E+03 -0.2176744E+03  0.7077917E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.3696000E+03  0.2912628E-05  0.1768163E+05 -0.4694873E+02 -0.1264836E+03  0.7077917E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.3744000E+03  0.1366817E-05  0.1599965E+05 -0.4935695E+03 -0.5960840E+02  0.7077917E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.3792000E+03  0.3418253E-06  0.1294414E+05 -0.6725592E+03 -0.1497068E+02  0.7077917E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.3840000E+03 -0.2618094E-06  0.9543571E+04 -0.6808534E+03  0.1151476E+02  0.7077917E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.3888000E+03 -0.5547821E-06  0.6408212E+04 -0.5944111E+03  0.2450288E+02  0.7077917E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.3936000E+03 -0.6391551E-06  0.3837337E+04 -0.4675697E+03  0.2834771E+02  0.7077917E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.3984000E+03 -0.5986153E-06  0.1919556E+04 -0.3355499E+03  0.2666055E+02  0.7077917E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.4032000E+03 -0.4955902E-06  0.6160156E+03 -0.2183712E+03  0.2216389E+02  0.7077917E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.4080000E+03 -0.3725125E-06 -0.1768750E+03 -0.1250293E+03  0.1672857E+02  0.7077917E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.4128000E+03 -0.2551925E-06 -0.5843375E+03 -0.5726320E+02  0.1150729E+02  0.7077917E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.4176000E+03 -0.1568938E-06 -0.7266664E+03 -0.1259658E+02  0.7103803E+01  0.7077917E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.4224000E+03 -0.8224952E-07 -0.7053166E+03  0.1342688E+02  0.3739307E+01  0.7077917E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.4272000E+03 -0.3056467E-07 -0.5978062E+03  0.2574975E+02  0.1395220E+01  0.7077917E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.1660426E-08 -0.4581442E+03  0.2891563E+02 -0.7610286E-01  0.7077917E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.4368000E+03  0.1897203E-07 -0.3202310E+03  0.2663763E+02 -0.8730648E+00  0.7077917E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.4416000E+03  0.2585949E-07 -0.2024302E+03  0.2167474E+02 -0.1194804E+01  0.7077917E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.4464000E+03  0.2615746E-07 -0.1121557E+03  0.1589501E+02 -0.1213415E+01  0.7077917E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.4512000E+03  0.2280454E-07 -0.4983713E+02  0.1043378E+02 -0.1062100E+01  0.7077917E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.4560000E+03  0.1782932E-07 -0.1198890E+02  0.5883891E+01 -0.8336858E+00  0.7077917E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.4608000E+03  0.1246384E-07  0.6651326E+01  0.2478785E+01 -0.5851081E+00  0.7077917E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.4656000E+03  0.7314876E-08  0.1181060E+02  0.2471322E+00 -0.3447474E+00  0.7077917E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.4704000E+03  0.2550369E-08  0.9026770E+01 -0.8698701E+00 -0.1206702E+00  0.7077917E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.4752000E+03 -0.1920300E-08  0.3462614E+01 -0.9405644E+00  0.9121424E-01  0.7077917E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.6278254E-08  0.0000000E+00 -0.3138980E-02  0.2993797E+00  0.7077917E+12 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 3
  0.3000000E+05  0.1565894E-01  0.2002449E+07  0.3000000E+05 -0.1690839E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.3000000E+05  0.8904225E-02  0.1166828E+07  0.3000000E+05 -0.8299332E-04     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.3394964E+06  0.3000000E+00 -0.3394424E+08 -0.4095223E+06  0.0000000E+00     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.1000000E+01  0.1000000E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.6646248E-07  0.2142236E-09  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.3010300E+01  0.3010300E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.2000720E-06  0.6448773E-09  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.4771213E+01  0.4771213E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.3171066E-06  0.1022106E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.6020600E+01  0.6020600E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.4001440E-06  0.1289755E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.6989700E+01  0.6989700E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.4645528E-06  0.1497359E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.7781513E+01  0.7781513E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.5171786E-06  0.1666984E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.8450980E+01  0.8450980E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.5616731E-06  0.1810400E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.9030900E+01  0.9030900E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.6002160E-06  0.1934632E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.9542425E+01  0.9542425E+02  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.6342133E-06  0.2044213E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1000000E+02  0.1000000E+03  0.1504608E+08  0.6120945E+09  0.6120945E+09  0.4668020E+11  0.6646248E-06  0.2142236E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
