    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
   91            0.8000000E+03  0.1530196E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)
  0.2409434E+02  0.2126494E+06  0.1133054E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4818868E+02  0.2126494E+06  0.2266109E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.7228302E+02  0.2126494E+06  0.3399163E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.9637736E+02  0.2126494E+06  0.4532218E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1204717E+03  0.2126494E+06  0.5665272E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1445660E+03  0.2126494E+06  0.6798327E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1686604E+03  0.2126494E+06  0.7931381E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1927547E+03  0.2126494E+06  0.9064436E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2168491E+03  0.2126494E+06  0.1019749E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2409434E+03  0.2126494E+06  0.1133054E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2650377E+03  0.2126494E+06  0.1246360E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.2891321E+03  0.2126494E+06  0.1359665E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3132264E+03  0.2126494E+06  0.1472971E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3373208E+03  0.2126494E+06  0.1586276E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3614151E+03  0.2126494E+06  0.1699582E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.3855094E+03  0.2126494E+06  0.1812887E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.4096038E+03  0.2126494E+06  0.1926193E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.4336981E+03  0.2126494E+06  0.2039498E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.4577925E+03  0.2126494E+06  0.2152803E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.4818868E+03  0.2126494E+06  0.2266109E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.5059811E+03  0.2126494E+06  0.2379414E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.5300755E+03  0.2126494E+06  0.2492720E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.5541698E+03  0.2126494E+06  0.2606025E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.5782642E+03  0.2126494E+06  0.2719331E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.6023585E+03  0.2126494E+06  0.2832636E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.6264528E+03  0.2126494E+06  0.2945942E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.6505472E+03  0.2126494E+06  0.3059247E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.6746415E+03  0.2126494E+06  0.3172552E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.6987359E+03  0.2126494E+06  0.3285858E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.7228302E+03  0.2126494E+06  0.3399163E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.7469245E+03  0.2126494E+06  0.3512469E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.7710189E+03  0.2126494E+06  0.3625774E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.7951132E+03  0.2126494E+06  0.3739080E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.8192076E+03  0.2126494E+06  0.3852385E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.8433019E+03  0.2126494E+06  0.3965691E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.8673962E+03  0.2126494E+06  0.4078996E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.8914906E+03  0.2126494E+06  0.4192302E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.9155849E+03  0.2126494E+06  0.4305607E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.9396793E+03  0.2126494E+06  0.4418912E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.9878679E+03  0.2126494E+06  0.4645523E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1036057E+04  0.2126494E+06  0.4872134E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1084245E+04  0.2126494E+06  0.5098745E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1129783E+04  0.2121517E+06  0.5325356E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1168476E+04  0.2104617E+06  0.5551967E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1202676E+04  0.2081266E+06  0.5778578E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1233629E+04  0.2054271E+06  0.6005189E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1261967E+04  0.2025044E+06  0.6231800E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1288124E+04  0.1994492E+06  0.6458410E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1311223E+04  0.1961434E+06  0.6685021E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1330401E+04  0.1924872E+06  0.6911632E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1346737E+04  0.1886651E+06  0.7138243E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1360986E+04  0.1847947E+06  0.7364854E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1373604E+04  0.1809406E+06  0.7591465E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1384852E+04  0.1771346E+06  0.7818076E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1394932E+04  0.1733980E+06  0.8044687E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1404010E+04  0.1697449E+06  0.8271298E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1412245E+04  0.1661873E+06  0.8497908E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1419742E+04  0.1627301E+06  0.8724519E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1426615E+04  0.1593782E+06  0.8951130E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1432866E+04  0.1561240E+06  0.9177741E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1438626E+04  0.1529745E+06  0.9404352E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1444006E+04  0.1499337E+06  0.9630963E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1448918E+04  0.1469852E+06  0.9857574E-02                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1453441E+04  0.1441308E+06  0.1008418E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1457754E+04  0.1413813E+06  0.1031080E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1461633E+04  0.1387090E+06  0.1053741E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1465331E+04  0.1361324E+06  0.1076402E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1468762E+04  0.1336377E+06  0.1099063E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1471967E+04  0.1312236E+06  0.1121724E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1474989E+04  0.1288892E+06  0.1144385E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1477807E+04  0.1266280E+06  0.1167046E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1480459E+04  0.1244389E+06  0.1189707E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1482983E+04  0.1223211E+06  0.1212368E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1485298E+04  0.1202642E+06  0.1235029E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1487548E+04  0.1182762E+06  0.1257690E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1489619E+04  0.1163446E+06  0.1280352E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1491630E+04  0.1144755E+06  0.1303013E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1493511E+04  0.1126605E+06  0.1325674E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.1495260E+04  0.1108968E+06  0.1348335E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.1501540E+04  0.1043476E+06  0.1438979E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.1506671E+04  0.9849948E+05  0.1529624E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.1510947E+04  0.9325290E+05  0.1620268E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.1514542E+04  0.8852246E+05  0.1710912E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.1517608E+04  0.8423872E+05  0.1801557E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.1520240E+04  0.8034242E+05  0.1892201E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.1522489E+04  0.7678307E+05  0.1982845E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.1524440E+04  0.7352051E+05  0.2073490E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.1526192E+04  0.7052209E+05  0.2164134E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.1527665E+04  0.6775233E+05  0.2254778E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.1529047E+04  0.6519280E+05  0.2345423E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1530196E+04  0.6281420E+05  0.2436067E-01                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
    0                                                                           Line 6 : number of output p-y curves
    2  201    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.4245683E-01  0.0000000E+00  0.2000000E+02  0.0000000E+00  0.2126494E+06 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1000000E+00  0.4181709E-01  0.2516791E+01  0.2015000E+02  0.0000000E+00  0.2126494E+06 Line 10(  2): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.4117747E-01  0.5053488E+01  0.2035000E+02  0.0000000E+00  0.2126494E+06 Line 10(  3): nodal depth, y, M, V, p, EI
  0.3000000E+00  0.4053809E-01  0.7609995E+01  0.2055000E+02  0.0000000E+00  0.2126494E+06 Line 10(  4): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.3989906E-01  0.1018622E+02  0.2075000E+02  0.0000000E+00  0.2126494E+06 Line 10(  5): nodal depth, y, M, V, p, EI
  0.5000000E+00  0.3926052E-01  0.1278205E+02  0.2095000E+02  0.0000000E+00  0.2126494E+06 Line 10(  6): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.3862257E-01  0.1539741E+02  0.2115000E+02  0.0000000E+00  0.2126494E+06 Line 10(  7): nodal depth, y, M, V, p, EI
  0.7000000E+00  0.3798535E-01  0.1803219E+02  0.2135000E+02  0.0000000E+00  0.2126494E+06 Line 10(  8): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.3734898E-01  0.2068628E+02  0.2155000E+02  0.0000000E+00  0.2126494E+06 Line 10(  9): nodal depth, y, M, V, p, EI
  0.9000000E+00  0.3671358E-01  0.2335960E+02  0.2175000E+02  0.0000000E+00  0.2126494E+06 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.3607927E-01  0.2605205E+02  0.2195000E+02  0.0000000E+00  0.2126494E+06 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1100000E+01  0.3544620E-01  0.2876351E+02  0.2215000E+02  0.0000000E+00  0.2126494E+06 Line 10( 12): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.3481447E-01  0.3149389E+02  0.2235000E+02  0.0000000E+00  0.2126494E+06 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1300000E+01  0.3418423E-01  0.3424308E+02  0.2255000E+02  0.0000000E+00  0.2126494E+06 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.3355560E-01  0.3701099E+02  0.2275000E+02  0.0000000E+00  0.2126494E+06 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1500000E+01  0.3292870E-01  0.3979750E+02  0.2295000E+02  0.0000000E+00  0.2126494E+06 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.3230368E-01  0.4260252E+02  0.2315000E+02  0.0000000E+00  0.2126494E+06 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1700000E+01  0.3168067E-01  0.4542593E+02  0.2335000E+02  0.0000000E+00  0.2126494E+06 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.3105978E-01  0.4826764E+02  0.2355000E+02  0.0000000E+00  0.2126494E+06 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1900000E+01  0.3044117E-01  0.5112753E+02  0.2375000E+02  0.0000000E+00  0.2126494E+06 Line 10( 20): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.2982497E-01  0.5400549E+02  0.2395000E+02  0.0000000E+00  0.2126494E+06 Line 10( 21): nodal depth, y, M, V, p, EI
  0.2100000E+01  0.2921130E-01  0.5690143E+02  0.2415000E+02  0.0000000E+00  0.2126494E+06 Line 10( 22): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.2860031E-01  0.5981522E+02  0.2435000E+02  0.0000000E+00  0.2126494E+06 Line 10( 23): nodal depth, y, M, V, p, EI
  0.2300000E+01  0.2799213E-01  0.6274676E+02  0.2455000E+02  0.0000000E+00  0.2126494E+06 Line 10( 24): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.2738690E-01  0.6569595E+02  0.2475000E+02  0.0000000E+00  0.2126494E+06 Line 10( 25): nodal depth, y, M, V, p, EI
  0.2500000E+01  0.2678476E-01  0.6866266E+02  0.2495000E+02  0.0000000E+00  0.2126494E+06 Line 10( 26): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.2618585E-01  0.7164679E+02  0.2515000E+02  0.0000000E+00  0.2126494E+06 Line 10( 27): nodal depth, y, M, V, p, EI
  0.2700000E+01  0.2559031E-01  0.7464822E+02  0.2535000E+02  0.0000000E+00  0.2126494E+06 Line 10( 28): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.2499828E-01  0.7766684E+02  0.2555000E+02  0.0000000E+00  0.2126494E+06 Line 10( 29): nodal depth, y, M, V, p, EI
  0.2900000E+01  0.2440990E-01  0.8070254E+02  0.2575000E+02  0.0000000E+00  0.2126494E+06 Line 10( 30): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.2382532E-01  0.8375521E+02  0.2590000E+02  0.0000000E+00  0.2126494E+06 Line 10( 31): nodal depth, y, M, V, p, EI
  0.3100000E+01  0.2324467E-01  0.8681473E+02  0.2594494E+02 -0.1012356E+00  0.2126494E+06 Line 10( 32): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.2266811E-01  0.8986996E+02  0.2593438E+02 -0.1098386E+00  0.2126494E+06 Line 10( 33): nodal depth, y, M, V, p, EI
  0.3300000E+01  0.2209578E-01  0.9292072E+02  0.2592292E+02 -0.1194607E+00  0.2126494E+06 Line 10( 34): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.2152781E-01  0.9596679E+02  0.2591044E+02 -0.1300321E+00  0.2126494E+06 Line 10( 35): nodal depth, y, M, V, p, EI
  0.3500000E+01  0.2096436E-01  0.9900794E+02  0.2589687E+02 -0.1415018E+00  0.2126494E+06 Line 10( 36): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.2040556E-01  0.1020440E+03  0.2588210E+02 -0.1538290E+00  0.2126494E+06 Line 10( 37): nodal depth, y, M, V, p, EI
  0.3700000E+01  0.1985156E-01  0.1050746E+03  0.2586606E+02 -0.1669776E+00  0.2126494E+06 Line 10( 38): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.1930251E-01  0.1080996E+03  0.2584867E+02 -0.1809130E+00  0.2126494E+06 Line 10( 39): nodal depth, y, M, V, p, EI
  0.3900000E+01  0.1875853E-01  0.1111188E+03  0.2582984E+02 -0.1956000E+00  0.2126494E+06 Line 10( 40): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.1821979E-01  0.1141318E+03  0.2580951E+02 -0.2110013E+00  0.2126494E+06 Line 10( 41): nodal depth, y, M, V, p, EI
  0.4100000E+01  0.1768640E-01  0.1171384E+03  0.2578761E+02 -0.2270769E+00  0.2126494E+06 Line 10( 42): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.1715853E-01  0.1201383E+03  0.2576406E+02 -0.2437828E+00  0.2126494E+06 Line 10( 43): nodal depth, y, M, V, p, EI
  0.4300000E+01  0.1663631E-01  0.1231313E+03  0.2573882E+02 -0.2610709E+00  0.2126494E+06 Line 10( 44): nodal depth, y, M, V, p, EI
  0.4400000E+01  0.1611988E-01  0.1261170E+03  0.2571182E+02 -0.2788889E+00  0.2126494E+06 Line 10( 45): nodal depth, y, M, V, p, EI
  0.4500000E+01  0.1560937E-01  0.1290952E+03  0.2568302E+02 -0.2971795E+00  0.2126494E+06 Line 10( 46): nodal depth, y, M, V, p, EI
  0.4600000E+01  0.1510494E-01  0.1320655E+03  0.2565237E+02 -0.3158807E+00  0.2126494E+06 Line 10( 47): nodal depth, y, M, V, p, EI
  0.4700000E+01  0.1460672E-01  0.1350278E+03  0.2561983E+02 -0.3349259E+00  0.2126494E+06 Line 10( 48): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.1411485E-01  0.1379816E+03  0.2558537E+02 -0.3542435E+00  0.2126494E+06 Line 10( 49): nodal depth, y, M, V, p, EI
  0.4900000E+01  0.1362947E-01  0.1409266E+03  0.2554897E+02 -0.3737571E+00  0.2126494E+06 Line 10( 50): nodal depth, y, M, V, p, EI
  0.5000000E+01  0.1315072E-01  0.1438627E+03  0.2551061E+02 -0.3933859E+00  0.2126494E+06 Line 10( 51): nodal depth, y, M, V, p, EI
  0.5100000E+01  0.1267873E-01  0.1467894E+03  0.2547029E+02 -0.4130445E+00  0.2126494E+06 Line 10( 52): nodal depth, y, M, V, p, EI
  0.5200000E+01  0.1221364E-01  0.1497064E+03  0.2542801E+02 -0.4326435E+00  0.2126494E+06 Line 10( 53): nodal depth, y, M, V, p, EI
  0.5300000E+01  0.1175559E-01  0.1526135E+03  0.2538377E+02 -0.4520893E+00  0.2126494E+06 Line 10( 54): nodal depth, y, M, V, p, EI
  0.5400000E+01  0.1130472E-01  0.1555103E+03  0.2533760E+02 -0.4712852E+00  0.2126494E+06 Line 10( 55): nodal depth, y, M, V, p, EI
  0.5500000E+01  0.1086117E-01  0.1583965E+03  0.2528953E+02 -0.4901308E+00  0.2126494E+06 Line 10( 56): nodal depth, y, M, V, p, EI
  0.5600000E+01  0.1042506E-01  0.1612719E+03  0.2523960E+02 -0.5085234E+00  0.2126494E+06 Line 10( 57): nodal depth, y, M, V, p, EI
  0.5700000E+01  0.9996534E-02  0.1641361E+03  0.2518785E+02 -0.5263576E+00  0.2126494E+06 Line 10( 58): nodal depth, y, M, V, p, EI
  0.5800000E+01  0.9575728E-02  0.1669889E+03  0.2513436E+02 -0.5435267E+00  0.2126494E+06 Line 10( 59): nodal depth, y, M, V, p, EI
  0.5900000E+01  0.9162775E-02  0.1698300E+03  0.2507919E+02 -0.5599225E+00  0.2126494E+06 Line 10( 60): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.8757809E-02  0.1726591E+03  0.2502242E+02 -0.5754365E+00  0.2126494E+06 Line 10( 61): nodal depth, y, M, V, p, EI
  0.6100000E+01  0.8360962E-02  0.1754760E+03  0.2496415E+02 -0.5899604E+00  0.2126494E+06 Line 10( 62): nodal depth, y, M, V, p, EI
  0.6200000E+01  0.7972366E-02  0.1782803E+03  0.2490448E+02 -0.6033869E+00  0.2126494E+06 Line 10( 63): nodal depth, y, M, V, p, EI
  0.6300000E+01  0.7592155E-02  0.1810719E+03  0.2484353E+02 -0.6156103E+00  0.2126494E+06 Line 10( 64): nodal depth, y, M, V, p, EI
  0.6400000E+01  0.7220459E-02  0.1838505E+03  0.2478142E+02 -0.6265280E+00  0.2126494E+06 Line 10( 65): nodal depth, y, M, V, p, EI
  0.6500000E+01  0.6857408E-02  0.1866160E+03  0.2471830E+02 -0.6360405E+00  0.2126494E+06 Line 10( 66): nodal depth, y, M, V, p, EI
  0.6600000E+01  0.6503133E-02  0.1893681E+03  0.2465429E+02 -0.6440535E+00  0.2126494E+06 Line 10( 67): nodal depth, y, M, V, p, EI
  0.6700000E+01  0.6157763E-02  0.1921066E+03  0.2458956E+02 -0.6504782E+00  0.2126494E+06 Line 10( 68): nodal depth, y, M, V, p, EI
  0.6800000E+01  0.5821428E-02  0.1948313E+03  0.2452428E+02 -0.6552325E+00  0.2126494E+06 Line 10( 69): nodal depth, y, M, V, p, EI
  0.6900000E+01  0.5494254E-02  0.1975422E+03  0.2445860E+02 -0.6582428E+00  0.2126494E+06 Line 10( 70): nodal depth, y, M, V, p, EI
  0.7000000E+01  0.5176370E-02  0.2002391E+03  0.2439272E+02 -0.6594446E+00  0.2126494E+06 Line 10( 71): nodal depth, y, M, V, p, EI
  0.7100000E+01  0.4867902E-02  0.2029218E+03  0.2231288E+02 -0.4093726E+02  0.2126494E+06 Line 10( 72): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.4568977E-02  0.2051876E+03  0.1815392E+02 -0.4224195E+02  0.2126494E+06 Line 10( 73): nodal depth, y, M, V, p, EI
  0.7300000E+01  0.4279701E-02  0.2070232E+03  0.1388915E+02 -0.4305353E+02  0.2126494E+06 Line 10( 74): nodal depth, y, M, V, p, EI
  0.7400000E+01  0.4000160E-02  0.2084205E+03  0.9555449E+01 -0.4362049E+02  0.2126494E+06 Line 10( 75): nodal depth, y, M, V, p, EI
  0.7500000E+01  0.3730421E-02  0.2093737E+03  0.5195517E+01 -0.4357816E+02  0.2126494E+06 Line 10( 76): nodal depth, y, M, V, p, EI
  0.7600000E+01  0.3470527E-02  0.2098833E+03  0.8671316E+00 -0.4298954E+02  0.2126494E+06 Line 10( 77): nodal depth, y, M, V, p, EI
  0.7700000E+01  0.3220504E-02  0.2099551E+03 -0.3426959E+01 -0.4289228E+02  0.2126494E+06 Line 10( 78): nodal depth, y, M, V, p, EI
  0.7800000E+01  0.2980354E-02  0.2095900E+03 -0.7684348E+01 -0.4225549E+02  0.2126494E+06 Line 10( 79): nodal depth, y, M, V, p, EI
  0.7900000E+01  0.2750059E-02  0.2087946E+03 -0.1185048E+02 -0.4106706E+02  0.2126494E+06 Line 10( 80): nodal depth, y, M, V, p, EI
  0.8000000E+01  0.2529584E-02  0.2075806E+03 -0.1587022E+02 -0.3932776E+02  0.2126494E+06 Line 10( 81): nodal depth, y, M, V, p, EI
  0.8100000E+01  0.2318870E-02  0.2059655E+03 -0.1968929E+02 -0.3705372E+02  0.2126494E+06 Line 10( 82): nodal depth, y, M, V, p, EI
  0.8200000E+01  0.2117842E-02  0.2039721E+03 -0.2325593E+02 -0.3427907E+02  0.2126494E+06 Line 10( 83): nodal depth, y, M, V, p, EI
  0.8300000E+01  0.1926406E-02  0.2016282E+03 -0.2667138E+02 -0.3402989E+02  0.2126494E+06 Line 10( 84): nodal depth, y, M, V, p, EI
  0.8400000E+01  0.1744451E-02  0.1989365E+03 -0.3005983E+02 -0.3373916E+02  0.2126494E+06 Line 10( 85): nodal depth, y, M, V, p, EI
  0.8500000E+01  0.1571852E-02  0.1958999E+03 -0.3340735E+02 -0.3321115E+02  0.2126494E+06 Line 10( 86): nodal depth, y, M, V, p, EI
  0.8600000E+01  0.1408465E-02  0.1925238E+03 -0.3669016E+02 -0.3244506E+02  0.2126494E+06 Line 10( 87): nodal depth, y, M, V, p, EI
  0.8700000E+01  0.1254131E-02  0.1888161E+03 -0.3988452E+02 -0.3144228E+02  0.2126494E+06 Line 10( 88): nodal depth, y, M, V, p, EI
  0.8800000E+01  0.1108677E-02  0.1847868E+03 -0.4296201E+02 -0.3010755E+02  0.2126494E+06 Line 10( 89): nodal depth, y, M, V, p, EI
  0.8900000E+01  0.9719126E-03  0.1804494E+03 -0.4583030E+02 -0.2725813E+02  0.2126494E+06 Line 10( 90): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.8436339E-03  0.1758327E+03 -0.4841375E+02 -0.2441092E+02  0.2126494E+06 Line 10( 91): nodal depth, y, M, V, p, EI
  0.9100000E+01  0.7236238E-03  0.1709653E+03 -0.5071340E+02 -0.2158209E+02  0.2126494E+06 Line 10( 92): nodal depth, y, M, V, p, EI
  0.9200000E+01  0.6116536E-03  0.1658756E+03 -0.5273184E+02 -0.1878669E+02  0.2126494E+06 Line 10( 93): nodal depth, y, M, V, p, EI
  0.9300000E+01  0.5074837E-03  0.1605919E+03 -0.5447311E+02 -0.1603860E+02  0.2126494E+06 Line 10( 94): nodal depth, y, M, V, p, EI
  0.9400000E+01  0.4108658E-03  0.1551417E+03 -0.5594256E+02 -0.1335057E+02  0.2126494E+06 Line 10( 95): nodal depth, y, M, V, p, EI
  0.9500000E+01  0.3215436E-03  0.1495521E+03 -0.5714680E+02 -0.1073419E+02  0.2126494E+06 Line 10( 96): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.2392541E-03  0.1438496E+03 -0.5809351E+02 -0.8199934E+01  0.2126494E+06 Line 10( 97): nodal depth, y, M, V, p, EI
  0.9700000E+01  0.1637293E-03  0.1380597E+03 -0.5879136E+02 -0.5757130E+01  0.2126494E+06 Line 10( 98): nodal depth, y, M, V, p, EI
  0.9800000E+01  0.9469689E-04  0.1322070E+03 -0.5924992E+02 -0.3414018E+01  0.2126494E+06 Line 10( 99): nodal depth, y, M, V, p, EI
  0.9900000E+01  0.3188158E-04  0.1263151E+03 -0.5947951E+02 -0.1177758E+01  0.2126494E+06 Line 10(100): nodal depth, y, M, V, p, EI
  0.1000000E+02 -0.2499367E-04  0.1204068E+03 -0.5949112E+02  0.9455410E+00  0.2126494E+06 Line 10(101): nodal depth, y, M, V, p, EI
  0.1010000E+02 -0.7620670E-04  0.1145034E+03 -0.5929630E+02  0.2950784E+01  0.2126494E+06 Line 10(102): nodal depth, y, M, V, p, EI
  0.1020000E+02 -0.1220351E-03  0.1086252E+03 -0.5890707E+02  0.4833856E+01  0.2126494E+06 Line 10(103): nodal depth, y, M, V, p, EI
  0.1030000E+02 -0.1627554E-03  0.1027912E+03 -0.5833580E+02  0.6591583E+01  0.2126494E+06 Line 10(104): nodal depth, y, M, V, p, EI
  0.1040000E+02 -0.1986418E-03  0.9701931E+02 -0.5759514E+02  0.8221688E+01  0.2126494E+06 Line 10(105): nodal depth, y, M, V, p, EI
  0.1050000E+02 -0.2299658E-03  0.9132596E+02 -0.5669791E+02  0.9722745E+01  0.2126494E+06 Line 10(106): nodal depth, y, M, V, p, EI
  0.1060000E+02 -0.2569951E-03  0.8572641E+02 -0.5565707E+02  0.1109414E+02  0.2126494E+06 Line 10(107): nodal depth, y, M, V, p, EI
  0.1070000E+02 -0.2799931E-03  0.8023457E+02 -0.5448556E+02  0.1233601E+02  0.2126494E+06 Line 10(108): nodal depth, y, M, V, p, EI
  0.1080000E+02 -0.2992180E-03  0.7486307E+02 -0.5319630E+02  0.1344920E+02  0.2126494E+06 Line 10(109): nodal depth, y, M, V, p, EI
  0.1090000E+02 -0.3149224E-03  0.6962325E+02 -0.5180208E+02  0.1443522E+02  0.2126494E+06 Line 10(110): nodal depth, y, M, V, p, EI
  0.1100000E+02 -0.3273527E-03  0.6452516E+02 -0.5031551E+02  0.1529620E+02  0.2126494E+06 Line 10(111): nodal depth, y, M, V, p, EI
  0.1110000E+02 -0.3367487E-03  0.5957761E+02 -0.4874896E+02  0.1603481E+02  0.2126494E+06 Line 10(112): nodal depth, y, M, V, p, EI
  0.1120000E+02 -0.3433429E-03  0.5478816E+02 -0.4711451E+02  0.1665424E+02  0.2126494E+06 Line 10(113): nodal depth, y, M, V, p, EI
  0.1130000E+02 -0.3473608E-03  0.5016320E+02 -0.4542389E+02  0.1715813E+02  0.2126494E+06 Line 10(114): nodal depth, y, M, V, p, EI
  0.1140000E+02 -0.3490196E-03  0.4570793E+02 -0.4368845E+02  0.1755055E+02  0.2126494E+06 Line 10(115): nodal depth, y, M, V, p, EI
  0.1150000E+02 -0.3485291E-03  0.4142644E+02 -0.4191913E+02  0.1783593E+02  0.2126494E+06 Line 10(116): nodal depth, y, M, V, p, EI
  0.1160000E+02 -0.3460904E-03  0.3732176E+02 -0.4012638E+02  0.1801900E+02  0.2126494E+06 Line 10(117): nodal depth, y, M, V, p, EI
  0.1170000E+02 -0.3418966E-03  0.3339586E+02 -0.3832019E+02  0.1810480E+02  0.2126494E+06 Line 10(118): nodal depth, y, M, V, p, EI
  0.1180000E+02 -0.3361323E-03  0.2964975E+02 -0.3651002E+02  0.1809858E+02  0.2126494E+06 Line 10(119): nodal depth, y, M, V, p, EI
  0.1190000E+02 -0.3289738E-03  0.2608352E+02 -0.3470481E+02  0.1800578E+02  0.2126494E+06 Line 10(120): nodal depth, y, M, V, p, EI
  0.1200000E+02 -0.3205887E-03  0.2269636E+02 -0.3291292E+02  0.1783202E+02  0.2126494E+06 Line 10(121): nodal depth, y, M, V, p, EI
  0.1210000E+02 -0.3111362E-03  0.1948666E+02 -0.3114216E+02  0.1758303E+02  0.2126494E+06 Line 10(122): nodal depth, y, M, V, p, EI
  0.1220000E+02 -0.3007674E-03  0.1645207E+02 -0.2939978E+02  0.1726462E+02  0.2126494E+06 Line 10(123): nodal depth, y, M, V, p, EI
  0.1230000E+02 -0.2896249E-03  0.1358950E+02 -0.2769242E+02  0.1688267E+02  0.2126494E+06 Line 10(124): nodal depth, y, M, V, p, EI
  0.1240000E+02 -0.2778433E-03  0.1089525E+02 -0.2602613E+02  0.1644306E+02  0.2126494E+06 Line 10(125): nodal depth, y, M, V, p, EI
  0.1250000E+02 -0.2655494E-03  0.8365014E+01 -0.2440639E+02  0.1595172E+02  0.2126494E+06 Line 10(126): nodal depth, y, M, V, p, EI
  0.1260000E+02 -0.2528621E-03  0.5993983E+01 -0.2283808E+02  0.1541453E+02  0.2126494E+06 Line 10(127): nodal depth, y, M, V, p, EI
  0.1270000E+02 -0.2398930E-03  0.3776873E+01 -0.2132548E+02  0.1483733E+02  0.2126494E+06 Line 10(128): nodal depth, y, M, V, p, EI
  0.1280000E+02 -0.2267462E-03  0.1707994E+01 -0.1987232E+02  0.1422592E+02  0.2126494E+06 Line 10(129): nodal depth, y, M, V, p, EI
  0.1290000E+02 -0.2135191E-03 -0.2186903E+00 -0.1848173E+02  0.1358600E+02  0.2126494E+06 Line 10(130): nodal depth, y, M, V, p, EI
  0.1300000E+02 -0.2003023E-03 -0.2009506E+01 -0.1715627E+02  0.1292321E+02  0.2126494E+06 Line 10(131): nodal depth, y, M, V, p, EI
  0.1310000E+02 -0.1871800E-03 -0.3671015E+01 -0.1589795E+02  0.1224309E+02  0.2126494E+06 Line 10(132): nodal depth, y, M, V, p, EI
  0.1320000E+02 -0.1742304E-03 -0.5209954E+01 -0.1427974E+02  0.2012115E+02  0.2126494E+06 Line 10(133): nodal depth, y, M, V, p, EI
  0.1330000E+02 -0.1615257E-03 -0.6547486E+01 -0.1232598E+02  0.1895406E+02  0.2126494E+06 Line 10(134): nodal depth, y, M, V, p, EI
  0.1340000E+02 -0.1491289E-03 -0.7695231E+01 -0.1048946E+02  0.1777632E+02  0.2126494E+06 Line 10(135): nodal depth, y, M, V, p, EI
  0.1350000E+02 -0.1370940E-03 -0.8664923E+01 -0.8770831E+01  0.1659623E+02  0.2126494E+06 Line 10(136): nodal depth, y, M, V, p, EI
  0.1360000E+02 -0.1254666E-03 -0.9468327E+01 -0.7169947E+01  0.1542144E+02  0.2126494E+06 Line 10(137): nodal depth, y, M, V, p, EI
  0.1370000E+02 -0.1142844E-03 -0.1011716E+02 -0.5685927E+01  0.1425898E+02  0.2126494E+06 Line 10(138): nodal depth, y, M, V, p, EI
  0.1380000E+02 -0.1035781E-03 -0.1062302E+02 -0.4317218E+01  0.1311520E+02  0.2126494E+06 Line 10(139): nodal depth, y, M, V, p, EI
  0.1390000E+02 -0.9337121E-04 -0.1099733E+02 -0.3061665E+01  0.1199586E+02  0.2126494E+06 Line 10(140): nodal depth, y, M, V, p, EI
  0.1400000E+02 -0.8368153E-04 -0.1125127E+02 -0.1916570E+01  0.1090603E+02  0.2126494E+06 Line 10(141): nodal depth, y, M, V, p, EI
  0.1410000E+02 -0.7452094E-04 -0.1139573E+02 -0.8787593E+00  0.9850194E+01  0.2126494E+06 Line 10(142): nodal depth, y, M, V, p, EI
  0.1420000E+02 -0.6589625E-04 -0.1144125E+02  0.5536139E-01  0.8832221E+01  0.2126494E+06 Line 10(143): nodal depth, y, M, V, p, EI
  0.1430000E+02 -0.5780959E-04 -0.1139803E+02  0.8897420E+00  0.7855392E+01  0.2126494E+06 Line 10(144): nodal depth, y, M, V, p, EI
  0.1440000E+02 -0.5025894E-04 -0.1127581E+02  0.1628633E+01  0.6922426E+01  0.2126494E+06 Line 10(145): nodal depth, y, M, V, p, EI
  0.1450000E+02 -0.4323853E-04 -0.1108396E+02  0.2276530E+01  0.6035507E+01  0.2126494E+06 Line 10(146): nodal depth, y, M, V, p, EI
  0.1460000E+02 -0.3673936E-04 -0.1083132E+02  0.2838120E+01  0.5196312E+01  0.2126494E+06 Line 10(147): nodal depth, y, M, V, p, EI
  0.1470000E+02 -0.3074954E-04 -0.1052632E+02  0.3318238E+01  0.4406036E+01  0.2126494E+06 Line 10(148): nodal depth, y, M, V, p, EI
  0.1480000E+02 -0.2525473E-04 -0.1017686E+02  0.3721811E+01  0.3665431E+01  0.2126494E+06 Line 10(149): nodal depth, y, M, V, p, EI
  0.1490000E+02 -0.2023849E-04 -0.9790369E+01  0.4053824E+01  0.2974832E+01  0.2126494E+06 Line 10(150): nodal depth, y, M, V, p, EI
  0.1500000E+02 -0.1568265E-04 -0.9373757E+01  0.4319276E+01  0.2334193E+01  0.2126494E+06 Line 10(151): nodal depth, y, M, V, p, EI
  0.1510000E+02 -0.1156762E-04 -0.8933451E+01  0.4523141E+01  0.1743119E+01  0.2126494E+06 Line 10(152): nodal depth, y, M, V, p, EI
  0.1520000E+02 -0.7872696E-05 -0.8475377E+01  0.4670342E+01  0.1200898E+01  0.2126494E+06 Line 10(153): nodal depth, y, M, V, p, EI
  0.1530000E+02 -0.4576329E-05 -0.8004975E+01  0.4765714E+01  0.7065384E+00  0.2126494E+06 Line 10(154): nodal depth, y, M, V, p, EI
  0.1540000E+02 -0.1656402E-05 -0.7527207E+01  0.4813981E+01  0.2587961E+00  0.2126494E+06 Line 10(155): nodal depth, y, M, V, p, EI
  0.1550000E+02  0.9095524E-06 -0.7046568E+01  0.4819731E+01 -0.1437911E+00  0.2126494E+06 Line 10(156): nodal depth, y, M, V, p, EI
  0.1560000E+02  0.3144137E-05 -0.6567101E+01  0.4787398E+01 -0.5028735E+00  0.2126494E+06 Line 10(157): nodal depth, y, M, V, p, EI
  0.1570000E+02  0.5069898E-05 -0.6092417E+01  0.4721241E+01 -0.8202598E+00  0.2126494E+06 Line 10(158): nodal depth, y, M, V, p, EI
  0.1580000E+02  0.6709159E-05 -0.5625705E+01  0.4625334E+01 -0.1097889E+01  0.2126494E+06 Line 10(159): nodal depth, y, M, V, p, EI
  0.1590000E+02  0.8083867E-05 -0.5169761E+01  0.4503549E+01 -0.1337802E+01  0.2126494E+06 Line 10(160): nodal depth, y, M, V, p, EI
  0.1600000E+02  0.9215463E-05 -0.4727000E+01  0.4359553E+01 -0.1542120E+01  0.2126494E+06 Line 10(161): nodal depth, y, M, V, p, EI
  0.1610000E+02  0.1012477E-04 -0.4299483E+01  0.4196796E+01 -0.1713015E+01  0.2126494E+06 Line 10(162): nodal depth, y, M, V, p, EI
  0.1620000E+02  0.1083189E-04 -0.3888934E+01  0.4018511E+01 -0.1852693E+01  0.2126494E+06 Line 10(163): nodal depth, y, M, V, p, EI
  0.1630000E+02  0.1135613E-04 -0.3496766E+01  0.3827708E+01 -0.1963369E+01  0.2126494E+06 Line 10(164): nodal depth, y, M, V, p, EI
  0.1640000E+02  0.1171593E-04 -0.3124100E+01  0.3627177E+01 -0.2047251E+01  0.2126494E+06 Line 10(165): nodal depth, y, M, V, p, EI
  0.1650000E+02  0.1192881E-04 -0.2771789E+01  0.3419488E+01 -0.2106521E+01  0.2126494E+06 Line 10(166): nodal depth, y, M, V, p, EI
  0.1660000E+02  0.1201136E-04 -0.2440439E+01  0.3206996E+01 -0.2143319E+01  0.2126494E+06 Line 10(167): nodal depth, y, M, V, p, EI
  0.1670000E+02  0.1197913E-04 -0.2130430E+01  0.2991843E+01 -0.2159732E+01  0.2126494E+06 Line 10(168): nodal depth, y, M, V, p, EI
  0.1680000E+02  0.1184673E-04 -0.1841938E+01  0.2775968E+01 -0.2157778E+01  0.2126494E+06 Line 10(169): nodal depth, y, M, V, p, EI
  0.1690000E+02  0.1162770E-04 -0.1574955E+01  0.2561109E+01 -0.2139397E+01  0.2126494E+06 Line 10(170): nodal depth, y, M, V, p, EI
  0.1700000E+02  0.1133461E-04 -0.1329307E+01  0.2348817E+01 -0.2106442E+01  0.2126494E+06 Line 10(171): nodal depth, y, M, V, p, EI
  0.1710000E+02  0.1097901E-04 -0.1104673E+01  0.2140462E+01 -0.2060669E+01  0.2126494E+06 Line 10(172): nodal depth, y, M, V, p, EI
  0.1720000E+02  0.1057147E-04 -0.9006041E+00  0.1937241E+01 -0.2003734E+01  0.2126494E+06 Line 10(173): nodal depth, y, M, V, p, EI
  0.1730000E+02  0.1012157E-04 -0.7165387E+00  0.1740196E+01 -0.1937185E+01  0.2126494E+06 Line 10(174): nodal depth, y, M, V, p, EI
  0.1740000E+02  0.9637971E-05 -0.5518182E+00  0.1550213E+01 -0.1862460E+01  0.2126494E+06 Line 10(175): nodal depth, y, M, V, p, EI
  0.1750000E+02  0.9128426E-05 -0.4057015E+00  0.1368046E+01 -0.1780883E+01  0.2126494E+06 Line 10(176): nodal depth, y, M, V, p, EI
  0.1760000E+02  0.8599803E-05 -0.2773784E+00  0.1194319E+01 -0.1693663E+01  0.2126494E+06 Line 10(177): nodal depth, y, M, V, p, EI
  0.1770000E+02  0.8058135E-05 -0.1659816E+00  0.1029541E+01 -0.1601895E+01  0.2126494E+06 Line 10(178): nodal depth, y, M, V, p, EI
  0.1780000E+02  0.7508662E-05 -0.7059736E-01  0.8741184E+00 -0.1506555E+01  0.2126494E+06 Line 10(179): nodal depth, y, M, V, p, EI
  0.1790000E+02  0.6955869E-05  0.9723937E-02  0.7283651E+00 -0.1408511E+01  0.2126494E+06 Line 10(180): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.6403534E-05  0.7595976E-01  0.5925138E+00 -0.1308514E+01  0.2126494E+06 Line 10(181): nodal depth, y, M, V, p, EI
  0.1810000E+02  0.5854770E-05  0.1291076E+00  0.4667276E+00 -0.1207211E+01  0.2126494E+06 Line 10(182): nodal depth, y, M, V, p, EI
  0.1820000E+02  0.5312078E-05  0.1701784E+00  0.3511101E+00 -0.1105139E+01  0.2126494E+06 Line 10(183): nodal depth, y, M, V, p, EI
  0.1830000E+02  0.4777389E-05  0.2001915E+00  0.2457161E+00 -0.1002740E+01  0.2126494E+06 Line 10(184): nodal depth, y, M, V, p, EI
  0.1840000E+02  0.4252113E-05  0.2201696E+00  0.1505614E+00 -0.9003551E+00  0.2126494E+06 Line 10(185): nodal depth, y, M, V, p, EI
  0.1850000E+02  0.3737192E-05  0.2311359E+00  0.6563171E-01 -0.7982383E+00  0.2126494E+06 Line 10(186): nodal depth, y, M, V, p, EI
  0.1860000E+02  0.3233140E-05  0.2341112E+00 -0.9108094E-02 -0.6965579E+00  0.2126494E+06 Line 10(187): nodal depth, y, M, V, p, EI
  0.1870000E+02  0.2740097E-05  0.2301120E+00 -0.7370622E-01 -0.5954046E+00  0.2126494E+06 Line 10(188): nodal depth, y, M, V, p, EI
  0.1880000E+02  0.2257875E-05  0.2201501E+00 -0.1282164E+00 -0.4947983E+00  0.2126494E+06 Line 10(189): nodal depth, y, M, V, p, EI
  0.1890000E+02  0.1786006E-05  0.2052320E+00 -0.1726911E+00 -0.3946956E+00  0.2126494E+06 Line 10(190): nodal depth, y, M, V, p, EI
  0.1900000E+02  0.1323788E-05  0.1863592E+00 -0.2071757E+00 -0.2949977E+00  0.2126494E+06 Line 10(191): nodal depth, y, M, V, p, EI
  0.1910000E+02  0.8703338E-06  0.1645294E+00 -0.2317035E+00 -0.1955585E+00  0.2126494E+06 Line 10(192): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.4246168E-06  0.1407378E+00 -0.2462912E+00 -0.9619429E-01  0.2126494E+06 Line 10(193): nodal depth, y, M, V, p, EI
  0.1930000E+02 -0.1448199E-07  0.1159790E+00 -0.2509355E+00  0.3307597E-02  0.2126494E+06 Line 10(194): nodal depth, y, M, V, p, EI
  0.1940000E+02 -0.4481268E-06  0.9124890E-01 -0.2456112E+00  0.1031785E+00  0.2126494E+06 Line 10(195): nodal depth, y, M, V, p, EI
  0.1950000E+02 -0.8774805E-06  0.6754716E-01 -0.2302694E+00  0.2036580E+00  0.2126494E+06 Line 10(196): nodal depth, y, M, V, p, EI
  0.1960000E+02 -0.1303658E-05  0.4587945E-01 -0.2048373E+00  0.3049832E+00  0.2126494E+06 Line 10(197): nodal depth, y, M, V, p, EI
  0.1970000E+02 -0.1727677E-05  0.2725985E-01 -0.1692193E+00  0.4073765E+00  0.2126494E+06 Line 10(198): nodal depth, y, M, V, p, EI
  0.1980000E+02 -0.2150415E-05  0.1271299E-01 -0.1232988E+00  0.5110341E+00  0.2126494E+06 Line 10(199): nodal depth, y, M, V, p, EI
  0.1990000E+02 -0.2572555E-05  0.3275993E-02 -0.6694146E-01  0.6161128E+00  0.2126494E+06 Line 10(200): nodal depth, y, M, V, p, EI
  0.2000000E+02 -0.2994541E-05  0.0000000E+00  0.0000000E+00  0.7227163E+00  0.2126494E+06 Line 10(201): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.1780423E-01 -0.2225755E+03  0.4000000E+02  0.0000000E+00  0.2126494E+06 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1000000E+00  0.1779899E-01 -0.2185663E+03  0.4015000E+02  0.0000000E+00  0.2126494E+06 Line 10(  2): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.1778348E-01 -0.2145289E+03  0.4035000E+02  0.0000000E+00  0.2126494E+06 Line 10(  3): nodal depth, y, M, V, p, EI
  0.3000000E+00  0.1775788E-01 -0.2104634E+03  0.4055000E+02  0.0000000E+00  0.2126494E+06 Line 10(  4): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.1772238E-01 -0.2063700E+03  0.4075000E+02  0.0000000E+00  0.2126494E+06 Line 10(  5): nodal depth, y, M, V, p, EI
  0.5000000E+00  0.1767718E-01 -0.2022489E+03  0.4095000E+02  0.0000000E+00  0.2126494E+06 Line 10(  6): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.1762247E-01 -0.1981001E+03  0.4115000E+02  0.0000000E+00  0.2126494E+06 Line 10(  7): nodal depth, y, M, V, p, EI
  0.7000000E+00  0.1755844E-01 -0.1939239E+03  0.4135000E+02  0.0000000E+00  0.2126494E+06 Line 10(  8): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.1748529E-01 -0.1897203E+03  0.4155000E+02  0.0000000E+00  0.2126494E+06 Line 10(  9): nodal depth, y, M, V, p, EI
  0.9000000E+00  0.1740322E-01 -0.1854897E+03  0.4175000E+02  0.0000000E+00  0.2126494E+06 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.1731243E-01 -0.1812321E+03  0.4195000E+02  0.0000000E+00  0.2126494E+06 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1100000E+01  0.1721312E-01 -0.1769476E+03  0.4215000E+02  0.0000000E+00  0.2126494E+06 Line 10( 12): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.1710548E-01 -0.1726365E+03  0.4235000E+02  0.0000000E+00  0.2126494E+06 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1300000E+01  0.1698972E-01 -0.1682989E+03  0.4255000E+02  0.0000000E+00  0.2126494E+06 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.1686606E-01 -0.1639350E+03  0.4275000E+02  0.0000000E+00  0.2126494E+06 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1500000E+01  0.1673468E-01 -0.1595449E+03  0.4295000E+02  0.0000000E+00  0.2126494E+06 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.1659580E-01 -0.1551287E+03  0.4315000E+02  0.0000000E+00  0.2126494E+06 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1700000E+01  0.1644962E-01 -0.1506868E+03  0.4335000E+02  0.0000000E+00  0.2126494E+06 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.1629636E-01 -0.1462192E+03  0.4355000E+02  0.0000000E+00  0.2126494E+06 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1900000E+01  0.1613622E-01 -0.1417261E+03  0.4375000E+02  0.0000000E+00  0.2126494E+06 Line 10( 20): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.1596942E-01 -0.1372076E+03  0.4395000E+02  0.0000000E+00  0.2126494E+06 Line 10( 21): nodal depth, y, M, V, p, EI
  0.2100000E+01  0.1579616E-01 -0.1326640E+03  0.4415000E+02  0.0000000E+00  0.2126494E+06 Line 10( 22): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.1561667E-01 -0.1280954E+03  0.4435000E+02  0.0000000E+00  0.2126494E+06 Line 10( 23): nodal depth, y, M, V, p, EI
  0.2300000E+01  0.1543115E-01 -0.1235020E+03  0.4455000E+02  0.0000000E+00  0.2126494E+06 Line 10( 24): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.1523983E-01 -0.1188840E+03  0.4475000E+02  0.0000000E+00  0.2126494E+06 Line 10( 25): nodal depth, y, M, V, p, EI
  0.2500000E+01  0.1504291E-01 -0.1142414E+03  0.4495000E+02  0.0000000E+00  0.2126494E+06 Line 10( 26): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.1484062E-01 -0.1095746E+03  0.4515000E+02  0.0000000E+00  0.2126494E+06 Line 10( 27): nodal depth, y, M, V, p, EI
  0.2700000E+01  0.1463318E-01 -0.1048837E+03  0.4535000E+02  0.0000000E+00  0.2126494E+06 Line 10( 28): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.1442081E-01 -0.1001688E+03  0.4555000E+02  0.0000000E+00  0.2126494E+06 Line 10( 29): nodal depth, y, M, V, p, EI
  0.2900000E+01  0.1420372E-01 -0.9543009E+02  0.4575000E+02  0.0000000E+00  0.2126494E+06 Line 10( 30): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.1398215E-01 -0.9066783E+02  0.4590000E+02  0.0000000E+00  0.2126494E+06 Line 10( 31): nodal depth, y, M, V, p, EI
  0.3100000E+01  0.1375632E-01 -0.8589216E+02  0.4594881E+02 -0.2372789E-01  0.2126494E+06 Line 10( 32): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.1352644E-01 -0.8111350E+02  0.4594624E+02 -0.2770990E-01  0.2126494E+06 Line 10( 33): nodal depth, y, M, V, p, EI
  0.3300000E+01  0.1329275E-01 -0.7633207E+02  0.4594325E+02 -0.3219454E-01  0.2126494E+06 Line 10( 34): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.1305547E-01 -0.7154808E+02  0.4593978E+02 -0.3720238E-01  0.2126494E+06 Line 10( 35): nodal depth, y, M, V, p, EI
  0.3500000E+01  0.1281483E-01 -0.6676177E+02  0.4593578E+02 -0.4275271E-01  0.2126494E+06 Line 10( 36): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.1257105E-01 -0.6197338E+02  0.4593120E+02 -0.4886290E-01  0.2126494E+06 Line 10( 37): nodal depth, y, M, V, p, EI
  0.3700000E+01  0.1232435E-01 -0.5718315E+02  0.4592598E+02 -0.5554789E-01  0.2126494E+06 Line 10( 38): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.1207497E-01 -0.5239132E+02  0.4592006E+02 -0.6281973E-01  0.2126494E+06 Line 10( 39): nodal depth, y, M, V, p, EI
  0.3900000E+01  0.1182312E-01 -0.4759815E+02  0.4591338E+02 -0.7068722E-01  0.2126494E+06 Line 10( 40): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.1156903E-01 -0.4280389E+02  0.4590589E+02 -0.7915563E-01  0.2126494E+06 Line 10( 41): nodal depth, y, M, V, p, EI
  0.4100000E+01  0.1131293E-01 -0.3800882E+02  0.4589752E+02 -0.8822632E-01  0.2126494E+06 Line 10( 42): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.1105504E-01 -0.3321320E+02  0.4588822E+02 -0.9789657E-01  0.2126494E+06 Line 10( 43): nodal depth, y, M, V, p, EI
  0.4300000E+01  0.1079559E-01 -0.2841731E+02  0.4587791E+02 -0.1081593E+00  0.2126494E+06 Line 10( 44): nodal depth, y, M, V, p, EI
  0.4400000E+01  0.1053480E-01 -0.2362143E+02  0.4586656E+02 -0.1190029E+00  0.2126494E+06 Line 10( 45): nodal depth, y, M, V, p, EI
  0.4500000E+01  0.1027290E-01 -0.1882585E+02  0.4585408E+02 -0.1304109E+00  0.2126494E+06 Line 10( 46): nodal depth, y, M, V, p, EI
  0.4600000E+01  0.1001012E-01 -0.1403086E+02  0.4584045E+02 -0.1423622E+00  0.2126494E+06 Line 10( 47): nodal depth, y, M, V, p, EI
  0.4700000E+01  0.9746679E-02 -0.9236778E+01  0.4582559E+02 -0.1548305E+00  0.2126494E+06 Line 10( 48): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.9482803E-02 -0.4443892E+01  0.4580946E+02 -0.1677845E+00  0.2126494E+06 Line 10( 49): nodal depth, y, M, V, p, EI
  0.4900000E+01  0.9218717E-02  0.3474833E+00  0.4579201E+02 -0.1811877E+00  0.2126494E+06 Line 10( 50): nodal depth, y, M, V, p, EI
  0.5000000E+01  0.8954647E-02  0.5137034E+01  0.4577320E+02 -0.1949984E+00  0.2126494E+06 Line 10( 51): nodal depth, y, M, V, p, EI
  0.5100000E+01  0.8690819E-02  0.9924441E+01  0.4575299E+02 -0.2091701E+00  0.2126494E+06 Line 10( 52): nodal depth, y, M, V, p, EI
  0.5200000E+01  0.8427458E-02  0.1470938E+02  0.4573135E+02 -0.2236507E+00  0.2126494E+06 Line 10( 53): nodal depth, y, M, V, p, EI
  0.5300000E+01  0.8164789E-02  0.1949153E+02  0.4570825E+02 -0.2383836E+00  0.2126494E+06 Line 10( 54): nodal depth, y, M, V, p, EI
  0.5400000E+01  0.7903036E-02  0.2427057E+02  0.4568366E+02 -0.2533070E+00  0.2126494E+06 Line 10( 55): nodal depth, y, M, V, p, EI
  0.5500000E+01  0.7642424E-02  0.2904616E+02  0.4565758E+02 -0.2683548E+00  0.2126494E+06 Line 10( 56): nodal depth, y, M, V, p, EI
  0.5600000E+01  0.7383179E-02  0.3381797E+02  0.4562999E+02 -0.2834563E+00  0.2126494E+06 Line 10( 57): nodal depth, y, M, V, p, EI
  0.5700000E+01  0.7125523E-02  0.3858568E+02  0.4560089E+02 -0.2985366E+00  0.2126494E+06 Line 10( 58): nodal depth, y, M, V, p, EI
  0.5800000E+01  0.6869683E-02  0.4334895E+02  0.4557029E+02 -0.3135173E+00  0.2126494E+06 Line 10( 59): nodal depth, y, M, V, p, EI
  0.5900000E+01  0.6615880E-02  0.4810745E+02  0.4553819E+02 -0.3283164E+00  0.2126494E+06 Line 10( 60): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.6364340E-02  0.5286086E+02  0.4550464E+02 -0.3428492E+00  0.2126494E+06 Line 10( 61): nodal depth, y, M, V, p, EI
  0.6100000E+01  0.6115286E-02  0.5760885E+02  0.4546964E+02 -0.3570284E+00  0.2126494E+06 Line 10( 62): nodal depth, y, M, V, p, EI
  0.6200000E+01  0.5868941E-02  0.6235111E+02  0.4543325E+02 -0.3707650E+00  0.2126494E+06 Line 10( 63): nodal depth, y, M, V, p, EI
  0.6300000E+01  0.5625528E-02  0.6708731E+02  0.4539552E+02 -0.3839688E+00  0.2126494E+06 Line 10( 64): nodal depth, y, M, V, p, EI
  0.6400000E+01  0.5385270E-02  0.7181715E+02  0.4535649E+02 -0.3965492E+00  0.2126494E+06 Line 10( 65): nodal depth, y, M, V, p, EI
  0.6500000E+01  0.5148389E-02  0.7654032E+02  0.4531624E+02 -0.4084160E+00  0.2126494E+06 Line 10( 66): nodal depth, y, M, V, p, EI
  0.6600000E+01  0.4915108E-02  0.8125652E+02  0.4527485E+02 -0.4194800E+00  0.2126494E+06 Line 10( 67): nodal depth, y, M, V, p, EI
  0.6700000E+01  0.4685647E-02  0.8596548E+02  0.4523239E+02 -0.4296543E+00  0.2126494E+06 Line 10( 68): nodal depth, y, M, V, p, EI
  0.6800000E+01  0.4460230E-02  0.9066691E+02  0.4518896E+02 -0.4388550E+00  0.2126494E+06 Line 10( 69): nodal depth, y, M, V, p, EI
  0.6900000E+01  0.4239076E-02  0.9536053E+02  0.4514467E+02 -0.4470026E+00  0.2126494E+06 Line 10( 70): nodal depth, y, M, V, p, EI
  0.7000000E+01  0.4022406E-02  0.1000461E+03  0.4509962E+02 -0.4540227E+00  0.2126494E+06 Line 10( 71): nodal depth, y, M, V, p, EI
  0.7100000E+01  0.3810441E-02  0.1047234E+03  0.4319056E+02 -0.3772711E+02  0.2126494E+06 Line 10( 72): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.3603401E-02  0.1090194E+03  0.3935539E+02 -0.3897633E+02  0.2126494E+06 Line 10( 73): nodal depth, y, M, V, p, EI
  0.7300000E+01  0.3401487E-02  0.1129216E+03  0.3541847E+02 -0.3976213E+02  0.2126494E+06 Line 10( 74): nodal depth, y, M, V, p, EI
  0.7400000E+01  0.3204884E-02  0.1164219E+03  0.3141698E+02 -0.4026754E+02  0.2126494E+06 Line 10( 75): nodal depth, y, M, V, p, EI
  0.7500000E+01  0.3013756E-02  0.1195152E+03  0.2739320E+02 -0.4020825E+02  0.2126494E+06 Line 10( 76): nodal depth, y, M, V, p, EI
  0.7600000E+01  0.2828247E-02  0.1222019E+03  0.2340063E+02 -0.3964315E+02  0.2126494E+06 Line 10( 77): nodal depth, y, M, V, p, EI
  0.7700000E+01  0.2648486E-02  0.1244875E+03  0.1944176E+02 -0.3953409E+02  0.2126494E+06 Line 10( 78): nodal depth, y, M, V, p, EI
  0.7800000E+01  0.2474579E-02  0.1263732E+03  0.1551819E+02 -0.3893738E+02  0.2126494E+06 Line 10( 79): nodal depth, y, M, V, p, EI
  0.7900000E+01  0.2306614E-02  0.1278647E+03  0.1167909E+02 -0.3784463E+02  0.2126494E+06 Line 10( 80): nodal depth, y, M, V, p, EI
  0.8000000E+01  0.2144662E-02  0.1289729E+03  0.7973910E+01 -0.3625893E+02  0.2126494E+06 Line 10( 81): nodal depth, y, M, V, p, EI
  0.8100000E+01  0.1988776E-02  0.1297137E+03  0.4451121E+01 -0.3419684E+02  0.2126494E+06 Line 10( 82): nodal depth, y, M, V, p, EI
  0.8200000E+01  0.1838989E-02  0.1301077E+03  0.1156756E+01 -0.3169045E+02  0.2126494E+06 Line 10( 83): nodal depth, y, M, V, p, EI
  0.8300000E+01  0.1695320E-02  0.1301798E+03 -0.2010632E+01 -0.3165730E+02  0.2126494E+06 Line 10( 84): nodal depth, y, M, V, p, EI
  0.8400000E+01  0.1557774E-02  0.1299305E+03 -0.5174459E+01 -0.3161925E+02  0.2126494E+06 Line 10( 85): nodal depth, y, M, V, p, EI
  0.8500000E+01  0.1426338E-02  0.1293601E+03 -0.8324809E+01 -0.3138775E+02  0.2126494E+06 Line 10( 86): nodal depth, y, M, V, p, EI
  0.8600000E+01  0.1300984E-02  0.1284710E+03 -0.1144231E+02 -0.3096218E+02  0.2126494E+06 Line 10( 87): nodal depth, y, M, V, p, EI
  0.8700000E+01  0.1181673E-02  0.1272674E+03 -0.1450761E+02 -0.3034382E+02  0.2126494E+06 Line 10( 88): nodal depth, y, M, V, p, EI
  0.8800000E+01  0.1068346E-02  0.1257556E+03 -0.1747541E+02 -0.2901230E+02  0.2126494E+06 Line 10( 89): nodal depth, y, M, V, p, EI
  0.8900000E+01  0.9609325E-03  0.1239489E+03 -0.2027353E+02 -0.2695018E+02  0.2126494E+06 Line 10( 90): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.8593481E-03  0.1218681E+03 -0.2286432E+02 -0.2486562E+02  0.2126494E+06 Line 10( 91): nodal depth, y, M, V, p, EI
  0.9100000E+01  0.7634947E-03  0.1195340E+03 -0.2524617E+02 -0.2277124E+02  0.2126494E+06 Line 10( 92): nodal depth, y, M, V, p, EI
  0.9200000E+01  0.6732624E-03  0.1169677E+03 -0.2741868E+02 -0.2067898E+02  0.2126494E+06 Line 10( 93): nodal depth, y, M, V, p, EI
  0.9300000E+01  0.5885307E-03  0.1141902E+03 -0.2938263E+02 -0.1860002E+02  0.2126494E+06 Line 10( 94): nodal depth, y, M, V, p, EI
  0.9400000E+01  0.5091688E-03  0.1112225E+03 -0.3113987E+02 -0.1654480E+02  0.2126494E+06 Line 10( 95): nodal depth, y, M, V, p, EI
  0.9500000E+01  0.4350372E-03  0.1080850E+03 -0.3269326E+02 -0.1452299E+02  0.2126494E+06 Line 10( 96): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.3659885E-03  0.1047983E+03 -0.3404658E+02 -0.1254349E+02  0.2126494E+06 Line 10( 97): nodal depth, y, M, V, p, EI
  0.9700000E+01  0.3018679E-03  0.1013823E+03 -0.3520448E+02 -0.1061442E+02  0.2126494E+06 Line 10( 98): nodal depth, y, M, V, p, EI
  0.9800000E+01  0.2425149E-03  0.9785623E+02 -0.3617236E+02 -0.8743162E+01  0.2126494E+06 Line 10( 99): nodal depth, y, M, V, p, EI
  0.9900000E+01  0.1877637E-03  0.9423908E+02 -0.3695633E+02 -0.6936298E+01  0.2126494E+06 Line 10(100): nodal depth, y, M, V, p, EI
  0.1000000E+02  0.1374442E-03  0.9054902E+02 -0.3756313E+02 -0.5199679E+01  0.2126494E+06 Line 10(101): nodal depth, y, M, V, p, EI
  0.1010000E+02  0.9138274E-04  0.8680356E+02 -0.3800004E+02 -0.3538412E+01  0.2126494E+06 Line 10(102): nodal depth, y, M, V, p, EI
  0.1020000E+02  0.4940332E-04  0.8301944E+02 -0.3827480E+02 -0.1956884E+01  0.2126494E+06 Line 10(103): nodal depth, y, M, V, p, EI
  0.1030000E+02  0.1132796E-04  0.7921264E+02 -0.3839558E+02 -0.4587816E+00  0.2126494E+06 Line 10(104): nodal depth, y, M, V, p, EI
  0.1040000E+02 -0.2302237E-04  0.7539827E+02 -0.3837088E+02  0.9528850E+00  0.2126494E+06 Line 10(105): nodal depth, y, M, V, p, EI
  0.1050000E+02 -0.5382704E-04  0.7159059E+02 -0.3820945E+02  0.2275759E+01  0.2126494E+06 Line 10(106): nodal depth, y, M, V, p, EI
  0.1060000E+02 -0.8126511E-04  0.6780297E+02 -0.3792025E+02  0.3508107E+01  0.2126494E+06 Line 10(107): nodal depth, y, M, V, p, EI
  0.1070000E+02 -0.1055147E-03  0.6404789E+02 -0.3751241E+02  0.4648793E+01  0.2126494E+06 Line 10(108): nodal depth, y, M, V, p, EI
  0.1080000E+02 -0.1267524E-03  0.6033688E+02 -0.3699511E+02  0.5697244E+01  0.2126494E+06 Line 10(109): nodal depth, y, M, V, p, EI
  0.1090000E+02 -0.1451527E-03  0.5668058E+02 -0.3637757E+02  0.6653422E+01  0.2126494E+06 Line 10(110): nodal depth, y, M, V, p, EI
  0.1100000E+02 -0.1608875E-03  0.5308867E+02 -0.3566901E+02  0.7517789E+01  0.2126494E+06 Line 10(111): nodal depth, y, M, V, p, EI
  0.1110000E+02 -0.1741258E-03  0.4956995E+02 -0.3487856E+02  0.8291273E+01  0.2126494E+06 Line 10(112): nodal depth, y, M, V, p, EI
  0.1120000E+02 -0.1850331E-03  0.4613228E+02 -0.3401523E+02  0.8975240E+01  0.2126494E+06 Line 10(113): nodal depth, y, M, V, p, EI
  0.1130000E+02 -0.1937709E-03  0.4278262E+02 -0.3308790E+02  0.9571454E+01  0.2126494E+06 Line 10(114): nodal depth, y, M, V, p, EI
  0.1140000E+02 -0.2004969E-03  0.3952707E+02 -0.3210522E+02  0.1008204E+02  0.2126494E+06 Line 10(115): nodal depth, y, M, V, p, EI
  0.1150000E+02 -0.2053641E-03  0.3637085E+02 -0.3107565E+02  0.1050948E+02  0.2126494E+06 Line 10(116): nodal depth, y, M, V, p, EI
  0.1160000E+02 -0.2085209E-03  0.3331836E+02 -0.3000735E+02  0.1085652E+02  0.2126494E+06 Line 10(117): nodal depth, y, M, V, p, EI
  0.1170000E+02 -0.2101108E-03  0.3037318E+02 -0.2890821E+02  0.1112621E+02  0.2126494E+06 Line 10(118): nodal depth, y, M, V, p, EI
  0.1180000E+02 -0.2102725E-03  0.2753812E+02 -0.2778581E+02  0.1132183E+02  0.2126494E+06 Line 10(119): nodal depth, y, M, V, p, EI
  0.1190000E+02 -0.2091392E-03  0.2481524E+02 -0.2664737E+02  0.1144685E+02  0.2126494E+06 Line 10(120): nodal depth, y, M, V, p, EI
  0.1200000E+02 -0.2068389E-03  0.2220590E+02 -0.2549978E+02  0.1150495E+02  0.2126494E+06 Line 10(121): nodal depth, y, M, V, p, EI
  0.1210000E+02 -0.2034943E-03  0.1971077E+02 -0.2434954E+02  0.1149994E+02  0.2126494E+06 Line 10(122): nodal depth, y, M, V, p, EI
  0.1220000E+02 -0.1992229E-03  0.1732990E+02 -0.2320275E+02  0.1143577E+02  0.2126494E+06 Line 10(123): nodal depth, y, M, V, p, EI
  0.1230000E+02 -0.1941365E-03  0.1506273E+02 -0.2206514E+02  0.1131650E+02  0.2126494E+06 Line 10(124): nodal depth, y, M, V, p, EI
  0.1240000E+02 -0.1883417E-03  0.1290816E+02 -0.2094200E+02  0.1114626E+02  0.2126494E+06 Line 10(125): nodal depth, y, M, V, p, EI
  0.1250000E+02 -0.1819399E-03  0.1086457E+02 -0.1983823E+02  0.1092925E+02  0.2126494E+06 Line 10(126): nodal depth, y, M, V, p, EI
  0.1260000E+02 -0.1750273E-03  0.8929867E+01 -0.1875828E+02  0.1066970E+02  0.2126494E+06 Line 10(127): nodal depth, y, M, V, p, EI
  0.1270000E+02 -0.1676947E-03  0.7101521E+01 -0.1770620E+02  0.1037188E+02  0.2126494E+06 Line 10(128): nodal depth, y, M, V, p, EI
  0.1280000E+02 -0.1600281E-03  0.5376627E+01 -0.1668560E+02  0.1004006E+02  0.2126494E+06 Line 10(129): nodal depth, y, M, V, p, EI
  0.1290000E+02 -0.1521087E-03  0.3751932E+01 -0.1569967E+02  0.9678516E+01  0.2126494E+06 Line 10(130): nodal depth, y, M, V, p, EI
  0.1300000E+02 -0.1440128E-03  0.2223880E+01 -0.1475117E+02  0.9291496E+01  0.2126494E+06 Line 10(131): nodal depth, y, M, V, p, EI
  0.1310000E+02 -0.1358124E-03  0.7886598E+00 -0.1384244E+02  0.8883233E+01  0.2126494E+06 Line 10(132): nodal depth, y, M, V, p, EI
  0.1320000E+02 -0.1275749E-03 -0.5577578E+00 -0.1264859E+02  0.1499369E+02  0.2126494E+06 Line 10(133): nodal depth, y, M, V, p, EI
  0.1330000E+02 -0.1193636E-03 -0.1754218E+01 -0.1118641E+02  0.1424991E+02  0.2126494E+06 Line 10(134): nodal depth, y, M, V, p, EI
  0.1340000E+02 -0.1112348E-03 -0.2808112E+01 -0.9799633E+01  0.1348565E+02  0.2126494E+06 Line 10(135): nodal depth, y, M, V, p, EI
  0.1350000E+02 -0.1032381E-03 -0.3727045E+01 -0.8489976E+01  0.1270748E+02  0.2126494E+06 Line 10(136): nodal depth, y, M, V, p, EI
  0.1360000E+02 -0.9541664E-04 -0.4518762E+01 -0.7258526E+01  0.1192153E+02  0.2126494E+06 Line 10(137): nodal depth, y, M, V, p, EI
  0.1370000E+02 -0.8780768E-04 -0.5191094E+01 -0.6105774E+01  0.1113351E+02  0.2126494E+06 Line 10(138): nodal depth, y, M, V, p, EI
  0.1380000E+02 -0.8044282E-04 -0.5751896E+01 -0.5031664E+01  0.1034869E+02  0.2126494E+06 Line 10(139): nodal depth, y, M, V, p, EI
  0.1390000E+02 -0.7334846E-04 -0.6208994E+01 -0.4035637E+01  0.9571855E+01  0.2126494E+06 Line 10(140): nodal depth, y, M, V, p, EI
  0.1400000E+02 -0.6654607E-04 -0.6570140E+01 -0.3116675E+01  0.8807375E+01  0.2126494E+06 Line 10(141): nodal depth, y, M, V, p, EI
  0.1410000E+02 -0.6005266E-04 -0.6842966E+01 -0.2273349E+01  0.8059153E+01  0.2126494E+06 Line 10(142): nodal depth, y, M, V, p, EI
  0.1420000E+02 -0.5388103E-04 -0.7034942E+01 -0.1503858E+01  0.7330657E+01  0.2126494E+06 Line 10(143): nodal depth, y, M, V, p, EI
  0.1430000E+02 -0.4804023E-04 -0.7153347E+01 -0.8060792E+00  0.6624924E+01  0.2126494E+06 Line 10(144): nodal depth, y, M, V, p, EI
  0.1440000E+02 -0.4253583E-04 -0.7205234E+01 -0.1776042E+00  0.5944574E+01  0.2126494E+06 Line 10(145): nodal depth, y, M, V, p, EI
  0.1450000E+02 -0.3737025E-04 -0.7197404E+01  0.3842156E+00  0.5291824E+01  0.2126494E+06 Line 10(146): nodal depth, y, M, V, p, EI
  0.1460000E+02 -0.3254314E-04 -0.7136385E+01  0.8822320E+00  0.4668503E+01  0.2126494E+06 Line 10(147): nodal depth, y, M, V, p, EI
  0.1470000E+02 -0.2805162E-04 -0.7028413E+01  0.1319461E+01  0.4076078E+01  0.2126494E+06 Line 10(148): nodal depth, y, M, V, p, EI
  0.1480000E+02 -0.2389062E-04 -0.6879415E+01  0.1699048E+01  0.3515666E+01  0.2126494E+06 Line 10(149): nodal depth, y, M, V, p, EI
  0.1490000E+02 -0.2005313E-04 -0.6695002E+01  0.2024234E+01  0.2988058E+01  0.2126494E+06 Line 10(150): nodal depth, y, M, V, p, EI
  0.1500000E+02 -0.1653047E-04 -0.6480456E+01  0.2298325E+01  0.2493744E+01  0.2126494E+06 Line 10(151): nodal depth, y, M, V, p, EI
  0.1510000E+02 -0.1331257E-04 -0.6240729E+01  0.2524658E+01  0.2032930E+01  0.2126494E+06 Line 10(152): nodal depth, y, M, V, p, EI
  0.1520000E+02 -0.1038814E-04 -0.5980438E+01  0.2706583E+01  0.1605567E+01  0.2126494E+06 Line 10(153): nodal depth, y, M, V, p, EI
  0.1530000E+02 -0.7744939E-05 -0.5703867E+01  0.2847430E+01  0.1211370E+01  0.2126494E+06 Line 10(154): nodal depth, y, M, V, p, EI
  0.1540000E+02 -0.5369971E-05 -0.5414967E+01  0.2950491E+01  0.8498414E+00  0.2126494E+06 Line 10(155): nodal depth, y, M, V, p, EI
  0.1550000E+02 -0.3249646E-05 -0.5117365E+01  0.3018997E+01  0.5202950E+00  0.2126494E+06 Line 10(156): nodal depth, y, M, V, p, EI
  0.1560000E+02 -0.1369969E-05 -0.4814368E+01  0.3056106E+01  0.2218779E+00  0.2126494E+06 Line 10(157): nodal depth, y, M, V, p, EI
  0.1570000E+02  0.2833092E-06 -0.4508970E+01  0.3064880E+01 -0.4640845E-01  0.2126494E+06 Line 10(158): nodal depth, y, M, V, p, EI
  0.1580000E+02  0.1724550E-05 -0.4203867E+01  0.3048275E+01 -0.2856864E+00  0.2126494E+06 Line 10(159): nodal depth, y, M, V, p, EI
  0.1590000E+02  0.2968100E-05 -0.3901463E+01  0.3009131E+01 -0.4971824E+00  0.2126494E+06 Line 10(160): nodal depth, y, M, V, p, EI
  0.1600000E+02  0.4028181E-05 -0.3603884E+01  0.2950162E+01 -0.6822076E+00  0.2126494E+06 Line 10(161): nodal depth, y, M, V, p, EI
  0.1610000E+02  0.4918787E-05 -0.3312991E+01  0.2873944E+01 -0.8421397E+00  0.2126494E+06 Line 10(162): nodal depth, y, M, V, p, EI
  0.1620000E+02  0.5653596E-05 -0.3030395E+01  0.2782917E+01 -0.9784054E+00  0.2126494E+06 Line 10(163): nodal depth, y, M, V, p, EI
  0.1630000E+02  0.6245899E-05 -0.2757469E+01  0.2679374E+01 -0.1092464E+01  0.2126494E+06 Line 10(164): nodal depth, y, M, V, p, EI
  0.1640000E+02  0.6708531E-05 -0.2495365E+01  0.2565461E+01 -0.1185794E+01  0.2126494E+06 Line 10(165): nodal depth, y, M, V, p, EI
  0.1650000E+02  0.7053815E-05 -0.2245024E+01  0.2443177E+01 -0.1259877E+01  0.2126494E+06 Line 10(166): nodal depth, y, M, V, p, EI
  0.1660000E+02  0.7293526E-05 -0.2007197E+01  0.2314374E+01 -0.1316185E+01  0.2126494E+06 Line 10(167): nodal depth, y, M, V, p, EI
  0.1670000E+02  0.7438847E-05 -0.1782457E+01  0.2180756E+01 -0.1356172E+01  0.2126494E+06 Line 10(168): nodal depth, y, M, V, p, EI
  0.1680000E+02  0.7500346E-05 -0.1571211E+01  0.2043885E+01 -0.1381260E+01  0.2126494E+06 Line 10(169): nodal depth, y, M, V, p, EI
  0.1690000E+02  0.7487958E-05 -0.1373719E+01  0.1905180E+01 -0.1392832E+01  0.2126494E+06 Line 10(170): nodal depth, y, M, V, p, EI
  0.1700000E+02  0.7410970E-05 -0.1190104E+01  0.1765927E+01 -0.1392223E+01  0.2126494E+06 Line 10(171): nodal depth, y, M, V, p, EI
  0.1710000E+02  0.7278017E-05 -0.1020366E+01  0.1627281E+01 -0.1380711E+01  0.2126494E+06 Line 10(172): nodal depth, y, M, V, p, EI
  0.1720000E+02  0.7097080E-05 -0.8643965E+00  0.1490269E+01 -0.1359516E+01  0.2126494E+06 Line 10(173): nodal depth, y, M, V, p, EI
  0.1730000E+02  0.6875494E-05 -0.7219899E+00  0.1355804E+01 -0.1329790E+01  0.2126494E+06 Line 10(174): nodal depth, y, M, V, p, EI
  0.1740000E+02  0.6619955E-05 -0.5928540E+00  0.1224684E+01 -0.1292614E+01  0.2126494E+06 Line 10(175): nodal depth, y, M, V, p, EI
  0.1750000E+02  0.6336538E-05 -0.4766219E+00  0.1097603E+01 -0.1248997E+01  0.2126494E+06 Line 10(176): nodal depth, y, M, V, p, EI
  0.1760000E+02  0.6030707E-05 -0.3728619E+00  0.9751599E+00 -0.1199872E+01  0.2126494E+06 Line 10(177): nodal depth, y, M, V, p, EI
  0.1770000E+02  0.5707342E-05 -0.2810866E+00  0.8578616E+00 -0.1146094E+01  0.2126494E+06 Line 10(178): nodal depth, y, M, V, p, EI
  0.1780000E+02  0.5370758E-05 -0.2007616E+00  0.7461348E+00 -0.1088441E+01  0.2126494E+06 Line 10(179): nodal depth, y, M, V, p, EI
  0.1790000E+02  0.5024734E-05 -0.1313136E+00  0.6403322E+00 -0.1027612E+01  0.2126494E+06 Line 10(180): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.4672534E-05 -0.7213663E-01  0.5407402E+00 -0.9642279E+00  0.2126494E+06 Line 10(181): nodal depth, y, M, V, p, EI
  0.1810000E+02  0.4316943E-05 -0.2259928E-01  0.4475871E+00 -0.8988344E+00  0.2126494E+06 Line 10(182): nodal depth, y, M, V, p, EI
  0.1820000E+02  0.3960288E-05  0.1795058E-01  0.3610503E+00 -0.8319020E+00  0.2126494E+06 Line 10(183): nodal depth, y, M, V, p, EI
  0.1830000E+02  0.3604478E-05  0.5018075E-01  0.2812637E+00 -0.7638288E+00  0.2126494E+06 Line 10(184): nodal depth, y, M, V, p, EI
  0.1840000E+02  0.3251027E-05  0.7477074E-01  0.2083251E+00 -0.6949434E+00  0.2126494E+06 Line 10(185): nodal depth, y, M, V, p, EI
  0.1850000E+02  0.2901093E-05  0.9240848E-01  0.1423025E+00 -0.6255083E+00  0.2126494E+06 Line 10(186): nodal depth, y, M, V, p, EI
  0.1860000E+02  0.2555504E-05  0.1037877E+00  0.8324095E-01 -0.5557234E+00  0.2126494E+06 Line 10(187): nodal depth, y, M, V, p, EI
  0.1870000E+02  0.2214795E-05  0.1096057E+00  0.3116827E-01 -0.4857301E+00  0.2126494E+06 Line 10(188): nodal depth, y, M, V, p, EI
  0.1880000E+02  0.1879242E-05  0.1105623E+00 -0.1389904E-01 -0.4156161E+00  0.2126494E+06 Line 10(189): nodal depth, y, M, V, p, EI
  0.1890000E+02  0.1548887E-05  0.1073586E+00 -0.5195084E-01 -0.3454199E+00  0.2126494E+06 Line 10(190): nodal depth, y, M, V, p, EI
  0.1900000E+02  0.1223581E-05  0.1006967E+00 -0.8297867E-01 -0.2751366E+00  0.2126494E+06 Line 10(191): nodal depth, y, M, V, p, EI
  0.1910000E+02  0.9030103E-06  0.9127960E-01 -0.1069717E+00 -0.2047232E+00  0.2126494E+06 Line 10(192): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.5867321E-06  0.7981184E-01 -0.1239131E+00 -0.1341047E+00  0.2126494E+06 Line 10(193): nodal depth, y, M, V, p, EI
  0.1930000E+02  0.2742071E-06  0.6700003E-01 -0.1337773E+00 -0.6318064E-01  0.2126494E+06 Line 10(194): nodal depth, y, M, V, p, EI
  0.1940000E+02 -0.3516715E-07  0.5355389E-01 -0.1365279E+00  0.8167999E-02  0.2126494E+06 Line 10(195): nodal depth, y, M, V, p, EI
  0.1950000E+02 -0.3420230E-06  0.4018742E-01 -0.1321160E+00  0.8007179E-01  0.2126494E+06 Line 10(196): nodal depth, y, M, V, p, EI
  0.1960000E+02 -0.6469890E-06  0.2762016E-01 -0.1204791E+00  0.1526651E+00  0.2126494E+06 Line 10(197): nodal depth, y, M, V, p, EI
  0.1970000E+02 -0.9506561E-06  0.1657851E-01 -0.1015420E+00  0.2260779E+00  0.2126494E+06 Line 10(198): nodal depth, y, M, V, p, EI
  0.1980000E+02 -0.1253544E-05  0.7797011E-02 -0.7521669E-01  0.3004276E+00  0.2126494E+06 Line 10(199): nodal depth, y, M, V, p, EI
  0.1990000E+02 -0.1556064E-05  0.2019497E-02 -0.4140484E-01  0.3758094E+00  0.2126494E+06 Line 10(200): nodal depth, y, M, V, p, EI
  0.2000000E+02 -0.1858490E-05  0.0000000E+00  0.0000000E+00  0.4522875E+00  0.2126494E+06 Line 10(201): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.2000000E+02  0.4245683E-01  0.2099551E+03 -0.5949112E+02 -0.6397393E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.4000000E+02  0.1780423E-01 -0.2225755E+03  0.4594881E+02 -0.5204170E-16     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
